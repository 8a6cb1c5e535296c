#pragma once
// TAboutBox: the modal About box. It shows the two pictures, the program's
// name, version and copyright line from its own version record, the word
// "freeware" and two links, to the maker's home page and to the support mail
// address, which turn yellow under the pointer and open through the desktop.
// OK, Esc and the close box close it. It stores nothing.
//
// The pictures are decoded as the box is made (EJpegError, should one be
// damaged). The opener then runs FormCreate once, shows the box modally and
// frees it; a record that cannot be read fails FormCreate, and the box then
// still opens, with its placeholders.

#include "dialogs/versioninfo/FileVersionInfo.h"

#include <QDialog>

#include <string>

class QLabel;
class TdxButton;

class TAboutBox : public QDialog {
  Q_OBJECT

public:
  explicit TAboutBox(QWidget* owner);

  // Reads the record of `programFile` (the running program unless a test
  // names another) into the labels; makes the box stay on top when the
  // setting StayOnTop is on. Throws EFilerError or EReadError at the read,
  // before any label or the window's band changes.
  void FormCreate(const std::string& programFile = RunningProgram());

  // The full path of the running program's file.
  static std::string RunningProgram();

  const TFileVersionInfo& FileVersionInfo() const { return FFileVersionInfo; }
  QLabel& Image1() const { return *FImage1; }
  QLabel& Image2() const { return *FImage2; }
  QLabel& lbName() const { return *FLbName; }
  QLabel& lbVersion() const { return *FLbVersion; }
  QLabel& Label1() const { return *FLabel1; }
  QLabel& lbURL() const { return *FLbURL; }
  QLabel& lbMail() const { return *FLbMail; }
  QLabel& lbCopyright() const { return *FLbCopyright; }
  TdxButton& dxButton1() const { return *FDxButton1; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void BuildPictures();
  void BuildLabels();

  void lbURLClick();
  void lbURLMouseEnter();
  void lbURLMouseLeave();
  void lbMailClick();
  void lbMailMouseEnter();
  void lbMailMouseLeave();

  TFileVersionInfo FFileVersionInfo;
  QLabel* FImage1 = nullptr;
  QLabel* FImage2 = nullptr;
  QLabel* FLbName = nullptr;
  QLabel* FLbVersion = nullptr;
  QLabel* FLabel1 = nullptr;
  QLabel* FLbURL = nullptr;
  QLabel* FLbMail = nullptr;
  QLabel* FLbCopyright = nullptr;
  TdxButton* FDxButton1 = nullptr;
};
