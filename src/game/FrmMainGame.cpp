#include "game/FrmMainGame.h"
FrmMainGame::FrmMainGame(QWidget* parent) : QWidget(parent) {}
