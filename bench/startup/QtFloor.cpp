// The toolkit's floor for the start-up benchmark: a bare Qt window of the
// calculator's size with a menu bar and 27 plain push buttons, and nothing
// else (no engine, no settings, no custom painting).

#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Qt floor"));
  window.setFixedSize(260, 225);
  auto* menus = new QMenuBar(&window);
  menus->setNativeMenuBar(false);
  for (const char* title : {"&File", "&Edit", "&View", "&Help"})
    menus->addMenu(title)->addAction("x");
  menus->setFixedSize(260, 24);
  for (int i = 0; i < 27; ++i) {
    auto* button = new QPushButton(QString::number(i), &window);
    button->setGeometry(5 + (i % 6) * 42, 30 + (i / 6) * 38, 40, 36);
  }
  window.show();
  return application.exec();
}
