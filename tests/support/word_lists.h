#pragma once

#include <QStringList>

// What the entries of a made-up word list look like.
struct EntryShape
{
    int minWords = 1;
    int maxWords = 1;
    int minLetters = 3;
    int maxLetters = 12;
    int alphabet = 26; // letters drawn from the first `alphabet` capitals
};

// `count` distinct entries, words joined by one blank, the same for the same seed.
QStringList distinctEntries(int count, unsigned seed, const EntryShape &shape = {});
