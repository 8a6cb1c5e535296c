#include "dialogs/UAbout.h"

#include "dialogs/DialogPictures.h"
#include "dialogs/DialogWindow.h"
#include "dialogs/JpegImage.h"
#include "platform/desktop/Desktop.h"
#include "settings/USet.h"
#include "tallyon/Product.h"
#include "widgets/DxButton.h"
#include "widgets/look/Fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int NameRightEdge = 443;
const QColor LabelColor(255, 255, 255);
const QColor HoveredLinkColor(255, 255, 0);

void SetTextColor(QLabel& label, const QColor& color) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, color);
  label.setPalette(palette);
}

// A white, bold label sized to its text. A right-aligned one is placed by
// its right edge and keeps that edge whenever its text changes.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int pixels, QPoint place,
                  bool rightAligned, bool underlined = false) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QFont font = look::TypefaceFont(TTypeface::MSSansSerif, pixels, true);
  font.setUnderline(underlined);
  label->setFont(font);
  SetTextColor(*label, LabelColor);
  label->setText(text);
  label->adjustSize();
  if (rightAligned) {
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    place.rx() -= label->width();
  }
  label->move(place);
  return label;
}

void SetLabelText(QLabel& label, const std::string& text) {
  const int rightEdge = label.x() + label.width();
  label.setText(QString::fromStdString(text));
  label.adjustSize();
  if (label.alignment() & Qt::AlignRight) label.move(rightEdge - label.width(), label.y());
}

// The links stand at their places unless their address is too long for the
// box; a longer one ends at the right edge of the name above instead.
void FitLink(QLabel& label, int rightEdge) {
  if (label.x() + label.width() > rightEdge)
    label.move(std::max(0, rightEdge - label.width()), label.y());
}

// A link under the pointer is yellow with the pointing hand, else white with
// the default cursor.
void ShowHovered(QLabel& link, bool hovered) {
  SetTextColor(link, hovered ? HoveredLinkColor : LabelColor);
  if (hovered)
    link.setCursor(Qt::PointingHandCursor);
  else
    link.unsetCursor();
}

QLabel* MakePicture(QWidget* parent, const char* name, QRect geometry, const QByteArray& jpeg,
                    const QString& description) {
  TJpegImage image;
  image.LoadFromMemory(jpeg);
  auto* picture = new QLabel(parent);
  picture->setObjectName(name);
  picture->setAccessibleName(description);
  picture->setGeometry(geometry);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap::fromImage(image.Bitmap()));
  return picture;
}

} // namespace

TAboutBox::TAboutBox(QWidget* owner) : QDialog(owner, dialogs::FixedDialogFlags) {
  dialogs::SetUpFixedDialog(*this, "AboutBox", tr("About"), {458, 291});
  QPalette background = palette();
  background.setColor(QPalette::Window, QColor(140, 170, 230));
  setPalette(background);
  setAutoFillBackground(true);
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  move(screen->availableGeometry().center() - rect().center());

  FDxButton1 = new TdxButton(this);
  FDxButton1->setObjectName("dxButton1");
  FDxButton1->move(367, 255);
  FDxButton1->SetCaption(tr("OK"));
  FDxButton1->SetModalResult(mrOk);
  BuildPictures();
  BuildLabels();
}

void TAboutBox::BuildPictures() {
  FImage1 = MakePicture(this, "Image1", {-2, -2, 463, 100}, dialogs::AboutBannerJpeg(),
                        QStringLiteral("Tallyon banner"));
  FImage2 = MakePicture(this, "Image2", {26, 124, 118, 100}, dialogs::AboutPictureJpeg(),
                        QStringLiteral("Tallyon picture"));
}

void TAboutBox::BuildLabels() {
  FLbName =
      MakeLabel(this, "lbName", QStringLiteral("Product Name"), 19, {NameRightEdge, 106}, true);
  FLbVersion = MakeLabel(this, "lbVersion", QStringLiteral("version 0.0"), 16, {442, 134}, true);
  FLabel1 = MakeLabel(this, "Label1", tr("freeware"), 11, {442, 156}, true);
  FLbURL =
      MakeLabel(this, "lbURL", QString::fromLatin1(tallyon::HomePage), 13, {273, 183}, false, true);
  FLbMail = MakeLabel(this, "lbMail", QString::fromLatin1(tallyon::SupportMail), 13, {279, 203},
                      false, true);
  FLbCopyright =
      MakeLabel(this, "lbCopyright", QStringLiteral("Legal Copyright"), 11, {25, 261}, false);
  FLbURL->setAccessibleDescription(QStringLiteral("Home page; a click opens it"));
  FLbMail->setAccessibleDescription(QStringLiteral("Support mail; a click writes to it"));
  FitLink(*FLbURL, NameRightEdge);
  FitLink(*FLbMail, NameRightEdge);
  FLbURL->installEventFilter(this);
  FLbMail->installEventFilter(this);
}

std::string TAboutBox::RunningProgram() {
  return QCoreApplication::applicationFilePath().toStdString();
}

void TAboutBox::FormCreate(const std::string& programFile) {
  FFileVersionInfo.SetFilename(programFile);
  SetLabelText(*FLbName, FFileVersionInfo.ProductName());
  SetLabelText(*FLbVersion, "Beta " + FFileVersionInfo.FileVersion());
  SetLabelText(*FLbCopyright, FFileVersionInfo.LegalCopyright());
  if (USet::StayOnTop) platform::SetStayOnTop(*this, true);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  const bool url = watched == FLbURL;
  if (!url && watched != FLbMail) return QDialog::eventFilter(watched, event);
  switch (event->type()) {
  case QEvent::Enter: url ? lbURLMouseEnter() : lbMailMouseEnter(); break;
  case QEvent::Leave: url ? lbURLMouseLeave() : lbMailMouseLeave(); break;
  case QEvent::MouseButtonRelease: {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* label = static_cast<QWidget*>(watched);
    if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
      url ? lbURLClick() : lbMailClick();
    break;
  }
  default: break;
  }
  return false;
}

void TAboutBox::lbURLClick() {
  platform::ShellOpen(tallyon::HomePage);
}

void TAboutBox::lbMailClick() {
  platform::ShellOpen(std::string("mailto:") + tallyon::SupportMail);
}

void TAboutBox::lbURLMouseEnter() {
  ShowHovered(*FLbURL, true);
}

void TAboutBox::lbURLMouseLeave() {
  ShowHovered(*FLbURL, false);
}

void TAboutBox::lbMailMouseEnter() {
  ShowHovered(*FLbMail, true);
}

void TAboutBox::lbMailMouseLeave() {
  ShowHovered(*FLbMail, false);
}
