// tallyon-widgets: shows the widget set in all its states for a person to
// look at. The upper part is painted from hidden widgets driven into each
// state by their own events; the lower part is live, to be tried with the
// mouse and the keyboard.

#include "widgets/DxButton.h"
#include "widgets/DxContainer.h"
#include "widgets/MxFlatPanel.h"
#include "widgets/look/Fonts.h"
#include "widgets/look/KeyColors.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <functional>
#include <optional>

namespace {

QFont WindowFont(int pixelSize, bool bold) {
  return look::TypefaceFont(TTypeface::MSSansSerif, pixelSize, bold);
}

// The key colour groups of the program, and the colours a button has at
// creation.
struct ColourGroup {
  const char* name;
  std::optional<TKeyGroup> group;
};

const ColourGroup Groups[] = {
    {"at creation", std::nullopt},
    {"red keys", TKeyGroup::Red},
    {"green keys", TKeyGroup::Green},
    {"Help button", TKeyGroup::Help},
};

void ApplyGroup(TdxButton& button, const ColourGroup& group) {
  if (group.group) look::ApplyKeyColors(button, *group.group);
}

enum class State { Normal, Hover, Pressed, DraggedAway, Focused, Default, Disabled };

const std::pair<State, const char*> States[] = {
    {State::Normal, "normal"},    {State::Hover, "hover"},
    {State::Pressed, "pressed"},  {State::DraggedAway, "dragged away"},
    {State::Focused, "focused"},  {State::Default, "default"},
    {State::Disabled, "disabled"}};

void Send(QWidget& widget, QEvent&& event) {
  QCoreApplication::sendEvent(&widget, &event);
}

void Drive(TdxButton& button, State state) {
  const QPointF inside(button.width() / 2, button.height() / 2), outside(-20, -20);
  switch (state) {
  case State::Normal: break;
  case State::Hover: Send(button, QEnterEvent(inside, inside, inside)); break;
  case State::DraggedAway:
  case State::Pressed:
    Send(button, QMouseEvent(QEvent::MouseButtonPress, inside, inside, Qt::LeftButton,
                             Qt::LeftButton, Qt::NoModifier));
    if (state == State::DraggedAway)
      Send(button, QMouseEvent(QEvent::MouseMove, outside, outside, Qt::NoButton, Qt::LeftButton,
                               Qt::NoModifier));
    break;
  case State::Focused: Send(button, QFocusEvent(QEvent::FocusIn)); break;
  case State::Default: button.SetDefault(true); break;
  case State::Disabled: button.setEnabled(false); break;
  }
}

// A 19 x 15 black radical sign on white, white being its transparent colour.
QImage RadicalGlyph() {
  QImage glyph(19, 15, QImage::Format_RGB32);
  glyph.fill(Qt::white);
  QPainter painter(&glyph);
  painter.setPen(QPen(Qt::black, 1));
  painter.drawPolyline(QPolygon({{1, 9}, {3, 8}, {6, 13}, {10, 1}, {18, 1}}));
  return glyph;
}

// A button painted on its own, off screen, in the given state.
QPixmap Snapshot(const QPalette& palette, const std::function<void(TdxButton&)>& setUp,
                 State state = State::Normal) {
  QWidget host;
  host.setPalette(palette);
  TdxButton button(&host);
  button.setFont(WindowFont(11, true));
  setUp(button);
  Drive(button, state);
  return button.grab();
}

QPixmap Zoomed(const QPixmap& pixmap, int factor) {
  return pixmap.scaled(pixmap.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QWidget* Cell(const QPixmap& pixmap, const QString& text) {
  auto* cell = new QWidget;
  auto* layout = new QVBoxLayout(cell);
  layout->setContentsMargins(4, 2, 4, 2);
  auto* picture = new QLabel;
  picture->setPixmap(pixmap);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  auto* label = new QLabel(text);
  label->setFont(WindowFont(10, false));
  layout->addWidget(label, 0, Qt::AlignHCenter);
  return cell;
}

QLabel* Heading(const QString& text) {
  auto* label = new QLabel(text);
  label->setFont(WindowFont(12, true));
  return label;
}

void AddStateRows(QGridLayout* grid, int& row, const QPalette& palette) {
  for (const auto& group : Groups) {
    grid->addWidget(new QLabel(group.name), row, 0);
    int column = 1;
    for (const auto& [state, name] : States) {
      const auto setUp = [&group](TdxButton& b) {
        ApplyGroup(b, group);
        b.SetCaption("&Submit");
      };
      grid->addWidget(Cell(Snapshot(palette, setUp, state), name), row, column++);
    }
    ++row;
  }
}

void AddOptionRow(QGridLayout* grid, int& row, const QPalette& palette) {
  struct Option {
    const char* name;
    std::function<void(TdxButton&)> setUp;
    State state;
  };
  const auto withGlyph = [](TdxLayout layout) {
    return [layout](TdxButton& b) {
      b.resize(73, 40);
      b.SetCaption("OK");
      b.SetGlyph(RadicalGlyph());
      b.SetLayout(layout);
    };
  };
  const Option options[] = {
      {"glyph left", withGlyph(blGlyphLeft), State::Normal},
      {"glyph right", withGlyph(blGlyphRight), State::Normal},
      {"glyph top", withGlyph(blGlyphTop), State::Normal},
      {"glyph bottom", withGlyph(blGlyphBottom), State::Normal},
      {"grey glyph", withGlyph(blGlyphLeft), State::Disabled},
      {"hot track",
       [](TdxButton& b) {
         b.SetCaption("Help");
         b.SetHotTrack(true);
       },
       State::Hover},
      {"no accel char",
       [](TdxButton& b) {
         b.SetCaption("R&&D &x");
         b.SetShowAccelChar(false);
       },
       State::Normal},
  };
  int column = 1;
  for (const auto& option : options)
    grid->addWidget(Cell(Snapshot(palette, option.setUp, option.state), option.name), row,
                    column++);
  ++row;
}

void AddQualityRow(QGridLayout* grid, int& row, const QPalette& palette) {
  const std::pair<TdxQuality, const char*> qualities[] = {
      {bqLow, "bqLow"}, {bqMiddle, "bqMiddle"}, {bqHigh, "bqHigh"}};
  int column = 1;
  for (const auto& [quality, name] : qualities) {
    const auto setUp = [quality](TdxButton& b) {
      b.resize(73, 90);
      b.Colors().SetBackgroundFrom({255, 206, 207});
      b.Colors().SetBackgroundTo({40, 60, 160});
      b.SetQuality(quality);
      b.SetCaption("+");
    };
    grid->addWidget(Cell(Snapshot(palette, setUp), name), row, column++);
  }
  grid->addWidget(Cell(Snapshot(palette,
                                [](TdxButton& b) {
                                  b.resize(73, 52);
                                  b.SetCaption("a caption that wraps");
                                }),
                       "word wrap"),
                  row, column++);
  ++row;
}

QWidget* ZoomRow(const QPalette& palette) {
  auto* strip = new QWidget;
  auto* layout = new QHBoxLayout(strip);
  for (const State state : {State::Normal, State::Hover, State::Pressed, State::Focused}) {
    const auto setUp = [](TdxButton& b) {
      ApplyGroup(b, Groups[2]);
      b.resize(35, 25);
      b.SetCaption("7");
    };
    layout->addWidget(Cell(Zoomed(Snapshot(palette, setUp, state), 4), "x4"));
  }
  layout->addStretch();
  return strip;
}

TmxFlatPanel* ValuePanel(QWidget* parent, const QString& caption) {
  auto* panel = new TmxFlatPanel(parent);
  panel->resize(250, 27);
  panel->SetColor(Qt::white);
  panel->SetBorderColor({166, 202, 240});
  panel->SetAlignment(Qt::AlignLeft);
  panel->SetCaption(caption);
  panel->setFont(WindowFont(11, false));
  return panel;
}

QWidget* PanelRow() {
  auto* strip = new QWidget;
  auto* layout = new QHBoxLayout(strip);
  const std::pair<const char*, std::function<void(TmxFlatPanel&)>> looks[] = {
      {"flat", [](TmxFlatPanel&) {}},
      {"pointer over",
       [](TmxFlatPanel& p) {
         Send(p, QEnterEvent({5, 5}, {5, 5}, {5, 5}));
       }},
      {"not flat", [](TmxFlatPanel& p) { p.SetFlat(false); }},
      {"no border", [](TmxFlatPanel& p) { p.SetShowBorder(false); }}};
  for (const auto& [name, drive] : looks) {
    QWidget host;
    TmxFlatPanel* panel = ValuePanel(&host, " Memory =");
    panel->resize(150, 27);
    drive(*panel);
    layout->addWidget(Cell(panel->grab(), name));
  }
  layout->addStretch();
  return strip;
}

// A keypad-like container with live keys and panels.
QWidget* LiveArea(QLabel* status) {
  auto* container = new TdxContainer;
  container->setFixedSize(520, 100);
  auto* value = ValuePanel(container, " =");
  value->move(5, 4);
  auto* memory = ValuePanel(container, " Memory =");
  memory->move(5, 35);
  QObject::connect(value, &TmxFlatPanel::OnClick, status,
                   [status] { status->setText("value panel clicked"); });
  const char* captions[] = {"7", "8", "9", "+", "MC", "&Cancel", "&Help"};
  int x = 265;
  for (int i = 0; i < 7; ++i) {
    auto* key = new TdxButton(container);
    key->setFont(WindowFont(11, true));
    key->SetCaption(captions[i]);
    ApplyGroup(*key, Groups[i < 3 ? 2 : i < 5 ? 1 : 3]);
    key->setGeometry(i < 4 ? x + 38 * i : 265 + 78 * (i - 4), i < 4 ? 4 : 35, i < 4 ? 35 : 73, 25);
    key->SetTabStop(i >= 4);
    if (i == 5) key->SetCancel(true);
    if (i == 6) key->SetDefault(true);
    QObject::connect(key, &TdxButton::OnClick, status, [status, key] {
      status->setText("clicked " + QString(key->Caption()).remove(u'&'));
    });
  }
  return container;
}

} // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Tallyon");
  QWidget window;
  window.setWindowTitle("Tallyon widget gallery");
  window.setFont(WindowFont(11, false));
  const QPalette palette = window.palette();

  auto* page = new QVBoxLayout(&window);
  page->addWidget(Heading("TdxButton states by colour group"));
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(0);
  int row = 0;
  AddStateRows(grid, row, palette);
  page->addLayout(grid);
  page->addWidget(Heading("Glyphs, options and qualities"));
  auto* options = new QGridLayout;
  row = 0;
  AddOptionRow(options, row, palette);
  AddQualityRow(options, row, palette);
  page->addLayout(options);
  page->addWidget(ZoomRow(palette));
  page->addWidget(Heading("TmxFlatPanel"));
  page->addWidget(PanelRow());
  page->addWidget(Heading("Live: TdxContainer with keys and panels"));
  auto* status = new QLabel("click, tab, Enter (Help is default), Esc (Cancel), Alt+C, Alt+H");
  page->addWidget(LiveArea(status));
  page->addWidget(status);
  page->addStretch();
  window.show();
  return QApplication::exec();
}
