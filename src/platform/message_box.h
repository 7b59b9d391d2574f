#pragma once

#include <QString>

// A box with a text, a title and an OK button only, no icon. Line breaks in
// the text are CR LF.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    virtual void show(const QString &text, const QString &title) = 0;
};

class QtMessageBox final : public MessageBox
{
public:
    void show(const QString &text, const QString &title) override;
};
