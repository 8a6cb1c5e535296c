#include "widgets/DxContainer.h"

#include <QPainter>

TdxContainer::TdxContainer(QWidget* parent) : TdxCustomControl(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(185, 45);
}

void TdxContainer::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), palette().color(QPalette::Active, QPalette::Window));
}
