#pragma once

#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

// The dialogs beyond the message box and the file dialog: the page a
// printer prints on and the choice of a printer (true when the user accepted,
// and then `printer` holds the choices), a number, and a list of words.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual bool pageSetup(QPrinter &printer, QWidget *parent) = 0;
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent) = 0;
    // A whole number from `low` to `high`; none when the user cancelled.
    virtual std::optional<quint32> askNumber(QWidget *parent, const QString &title, const QString &label, quint32 low,
                                             quint32 high)
        = 0;
    // `words`, one a line, to change; none when the user cancelled.
    virtual std::optional<QStringList> editWords(QWidget *parent, const QString &title, const QString &label,
                                                 const QStringList &words)
        = 0;
};

class QtDialogs final : public Dialogs
{
public:
    bool pageSetup(QPrinter &printer, QWidget *parent) override;
    bool choosePrinter(QPrinter &printer, QWidget *parent) override;
    std::optional<quint32> askNumber(QWidget *parent, const QString &title, const QString &label, quint32 low,
                                     quint32 high) override;
    std::optional<QStringList> editWords(QWidget *parent, const QString &title, const QString &label,
                                         const QStringList &words) override;
};
