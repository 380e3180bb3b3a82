#pragma once
#include <QWidget>
class FrmMainGame : public QWidget {
    Q_OBJECT
public:
    explicit FrmMainGame(QWidget* parent = nullptr);
};
