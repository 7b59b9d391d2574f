#pragma once

class QPrinter;
class QWidget;

// The dialogs that set a printer up: the page (paper, orientation, margins)
// and the choice of a printer. Each is true when the user accepted it, and
// then `printer` holds the choices.
class PrinterDialogs
{
public:
    virtual ~PrinterDialogs() = default;
    virtual bool pageSetup(QPrinter &printer, QWidget *parent) = 0;
    virtual bool choosePrinter(QPrinter &printer, QWidget *parent) = 0;
};

class QtPrinterDialogs final : public PrinterDialogs
{
public:
    bool pageSetup(QPrinter &printer, QWidget *parent) override;
    bool choosePrinter(QPrinter &printer, QWidget *parent) override;
};
