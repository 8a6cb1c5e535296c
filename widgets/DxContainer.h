#pragma once
// TdxContainer: a plain custom-drawn control that holds child widgets and
// paints nothing but its parent's colour. It takes no focus, so clicking
// between the widgets it holds leaves the focus where it was.

#include "widgets/DxCustomControl.h"

class TdxContainer : public TdxCustomControl {
  Q_OBJECT

public:
  explicit TdxContainer(QWidget* parent = nullptr);

protected:
  void paintEvent(QPaintEvent* event) override;
};
