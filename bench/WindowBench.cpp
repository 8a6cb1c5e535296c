// A keystroke through the main window: the key event, the engine action, the
// refresh of both displays and the panel, and the repaint it causes.

#include "QtBench.h"
#include "app/UCalc.h"

#include <benchmark/benchmark.h>

#include <QKeyEvent>

#include <filesystem>

namespace {

void Press(QWidget& target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(&target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(&target, &release);
}

void BM_Keystroke(benchmark::State& state) {
  BenchApplication();
  const auto home = std::filesystem::temp_directory_path() / "tallyon-bench-window";
  std::filesystem::create_directories(home);
  setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  setenv("XDG_STATE_HOME", home.c_str(), 1);
  TFCalc window;
  window.show();
  QApplication::processEvents();
  int typed = 0;
  for (auto _ : state) {
    // Clear entry now and then, so the value stays a short typed number.
    Press(window, ++typed % 10 == 0 ? Qt::Key_Escape : Qt::Key_7);
    QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  }
  state.SetItemsProcessed(state.iterations());
  window.hide();
  std::filesystem::remove_all(home);
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMicrosecond);

} // namespace
