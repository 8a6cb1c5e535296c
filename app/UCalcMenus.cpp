// The main window's menu bar and the tray menu.

#include "app/MenuBarLook.h"
#include "app/Pictures.h"
#include "app/UCalc.h"
#include "display/Fonts.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

// A checkable entry's command sets the mark itself, from the mark it finds,
// so the toolkit's own toggle is undone before the command runs.
QAction* TFCalc::AddAction(QMenu& menu, const QString& caption, void (TFCalc::*command)(),
                           bool checkable) {
  QAction* action = menu.addAction(caption);
  action->setCheckable(checkable);
  connect(action, &QAction::triggered, this, [this, action, command] {
    if (action->isCheckable()) action->toggle();
    Run(command);
  });
  return action;
}

void TFCalc::BuildMenus() {
  FMenuBar = new QMenuBar(this);
  FMenuBar->setNativeMenuBar(false); // the window draws its own, as laid out
  // A menu bar outside a main window follows its parent's size on its own;
  // fixing its size keeps it to the layout's 260 x 24.
  FMenuBar->setFixedSize(260, 24);
  FMenuBar->setFont(TypefaceFont(TTypeface::Tahoma, 11, false));
  UseFixedMenuBarLook(*FMenuBar);

  QMenu* file = FMenuBar->addMenu(tr("&File"));
  AddAction(*file, tr("&Exit"), &TFCalc::FileExitExecute)->setIcon(MenuIcon(MenuPicture::Exit));

  QMenu* edit = FMenuBar->addMenu(tr("&Edit"));
  QAction* copy = AddAction(*edit, tr("&Copy"), &TFCalc::EditCopyExecute);
  copy->setIcon(MenuIcon(MenuPicture::Copy));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Insert));
  QAction* paste = AddAction(*edit, tr("&Paste"), &TFCalc::EditPasteExecute);
  paste->setIcon(MenuIcon(MenuPicture::Paste));
  paste->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Insert));
  // The window is the shortcuts' context, so they work with the menus closed.
  addAction(copy);
  addAction(paste);

  QMenu* view = FMenuBar->addMenu(tr("&View"));
  QMenu* showIn = view->addMenu(tr("Sh&ow Tallyon In"));
  FViewShowIn = {
      AddAction(*showIn, tr("&Taskbar and system tray"), &TFCalc::ViewShowTaskSystemExecute, true),
      AddAction(*showIn, tr("T&askbar only"), &TFCalc::ViewShowTaskbarExecute, true),
      AddAction(*showIn, tr("&System tray only"), &TFCalc::ViewShowSystemExecute, true)};
  view->addSeparator();
  FViewThouSep = AddAction(*view, tr("Thousand &separator"), &TFCalc::ViewThouSepExecute, true);
  FViewThouSep->setChecked(true);
  FViewStayOnTop = AddAction(*view, tr("Stay On &Top"), &TFCalc::ViewStayOnTopExecute, true);

  QMenu* help = FMenuBar->addMenu(tr("&Help"));
  AddAction(*help, tr("&Home Page"), &TFCalc::HelpHomePage1Execute)
      ->setIcon(MenuIcon(MenuPicture::HomePage));
  AddAction(*help, tr("&About"), &TFCalc::HelpAbout1Execute)->setIcon(MenuIcon(MenuPicture::About));

  FTrayMenu = new QMenu(this);
  QAction* open = AddAction(*FTrayMenu, tr("&Open"), &TFCalc::TrayIconOpenExecute);
  QFont bold = open->font();
  bold.setBold(true);
  open->setFont(bold);
  FTrayMenu->setDefaultAction(open);
  FTrayMenu->addSeparator();
  AddAction(*FTrayMenu, tr("&Home Page"), &TFCalc::HelpHomePage1Execute)
      ->setIcon(MenuIcon(MenuPicture::HomePage));
  AddAction(*FTrayMenu, tr("&About"), &TFCalc::HelpAbout1Execute)
      ->setIcon(MenuIcon(MenuPicture::About));
  FTrayMenu->addSeparator();
  AddAction(*FTrayMenu, tr("&Exit"), &TFCalc::FileExitExecute)
      ->setIcon(MenuIcon(MenuPicture::Exit));
}
