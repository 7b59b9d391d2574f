#pragma once

#include <QString>

// The number rule of the captions that show numbers to the user: one blank,
// or a minus sign in its place, before the digits (" 0", " 15", "-3").
QString signBlank(qint64 value);
