#pragma once

#include <QWidget>

class Windows;

class PrintWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit PrintWindow(Windows &windows);

private:
    Windows &m_windows;
};
