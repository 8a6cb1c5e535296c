#include "app/MenuBarLook.h"

#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

namespace {

const QColor SelectedEntry(247, 246, 238);

// The base style places an entry's text a pixel higher than a selected
// one's, as the entry it draws leaves room for a line below.
class TFixedMenuBarStyle : public QProxyStyle {
public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* entry = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarEmptyArea) {
      painter->fillRect(option->rect, Qt::white);
    } else if (element == CE_MenuBarItem && entry != nullptr) {
      const bool selected = entry->state & State_Selected;
      painter->fillRect(entry->rect, selected ? SelectedEntry : QColor(Qt::white));
      int alignment =
          Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
      if (!proxy()->styleHint(SH_UnderlineShortcut, entry, widget))
        alignment |= Qt::TextHideMnemonic;
      proxy()->drawItemText(painter, selected ? entry->rect : entry->rect.adjusted(0, 1, 0, -3),
                            alignment, entry->palette, entry->state & State_Enabled, entry->text,
                            QPalette::ButtonText);
    } else {
      QProxyStyle::drawControl(element, option, painter, widget);
    }
  }
};

} // namespace

void app::UseFixedMenuBarLook(QMenuBar& menuBar) {
  QPalette palette = menuBar.palette();
  palette.setColor(QPalette::ButtonText, Qt::black);
  menuBar.setPalette(palette);
  auto* style = new TFixedMenuBarStyle;
  style->setParent(&menuBar);
  menuBar.setStyle(style);
}
