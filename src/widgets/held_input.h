#pragma once

// Drops the clicks, keys and wheel turns that came in while the program
// worked without returning to the event loop (a long Generate). They were
// aimed at a window that could not answer; delivered afterwards, each would
// start again what the user has just waited for.
void dropHeldInput();
