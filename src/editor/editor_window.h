#pragma once

#include "editor/word_list.h"

#include <QWidget>

class Windows;

class EditorWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit EditorWindow(Windows &windows);

    const WordList &words() const { return m_words; }
    void focusInput() {}
    void clearWordList() { m_words.clear(); }

private:
    Windows &m_windows;
    WordList m_words;
};
