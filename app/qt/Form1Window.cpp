#include "Form1Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>

#include "BoxText.h"

namespace qtapp {
namespace {

using app::ControlId;
using app::ControlKind;

// The window's families are Windows fonts; where they are missing the Noto CJK families of the
// same style draw the Chinese text instead of whatever fontconfig would pick first.
void SubstituteMissingFonts() {
  QFont::insertSubstitutions(QStringLiteral(u"宋体"), {QStringLiteral("Noto Serif CJK SC"),
                                                       QStringLiteral("Noto Sans CJK SC")});
  QFont::insertSubstitution(QStringLiteral(u"黑体"), QStringLiteral("Noto Sans CJK SC"));
  QFont::insertSubstitution(QStringLiteral(u"微软雅黑"), QStringLiteral("Noto Sans CJK SC"));
}

QFont MakeFont(const app::FontSpec& entry) {
  QFont font(FromCore(entry.family));
  font.setPointSizeF(entry.points);
  font.setBold(entry.bold);
  font.setUnderline(entry.underline);
  return font;
}

// The window's icon in the four sizes the window system asks for: a red tile with a white "B".
QIcon MakeIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48}) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(255, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont letter(QStringLiteral("DejaVu Sans"));
    letter.setBold(true);
    letter.setPixelSize(size * 3 / 4);
    painter.setFont(letter);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("B"));
    painter.end();
    icon.addPixmap(picture);
  }
  return icon;
}

// What a screen reader calls the status line; its caption is read as the line's description.
constexpr char16_t kStatusLineName[] = u"状态栏";

QPlainTextEdit* TextBox(QWidget* widget) {
  return static_cast<QPlainTextEdit*>(widget);
}

}  // namespace

Form1Window::Form1Window(app::Platform& platform, MessageBoxes& boxes, web::HttpSession& session,
                         std::u16string registrarBase, app::SourceOpener registries)
    : boxes_(boxes),
      form_(registries ? app::Form1(*this, platform, session, std::move(registries),
                                    [this] { PostRunEvent(); })
                       : app::Form1(*this, platform, session, std::move(registrarBase))) {
  SubstituteMissingFonts();
  Build();
}

int Form1Window::Pixels(app::Twips twips) const {
  // Qt scales logical pixels for the screen's DPI, so the layout is fixed at 96 dots per inch.
  return app::TwipsToPixels(twips, 96);
}

void Form1Window::Build() {
  const app::FormSpec& form = app::Form1Layout();
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(FromCore(form.caption));
  setWindowIcon(MakeIcon());
  setFont(MakeFont(form.font));
  setFixedSize(Pixels(form.clientWidth), Pixels(form.clientHeight));

  for (const app::ControlSpec& entry : form.controls) widgets_[entry.id] = MakeControl(entry);

  for (std::size_t i = 1; i < form.focusOrder.size(); ++i) {
    setTabOrder(Widget(form.focusOrder[i - 1]), Widget(form.focusOrder[i]));
  }
  Widget(form.initialFocus)->setFocus();
}

QWidget* Form1Window::MakeControl(const app::ControlSpec& entry) {
  QWidget* parent = entry.container ? Widget(*entry.container) : this;
  QWidget* widget = nullptr;
  switch (entry.kind) {
    case ControlKind::Label:
    case ControlKind::LinkLabel: {
      auto* label = new QLabel(FromCore(entry.text), parent);
      label->setTextFormat(Qt::PlainText);
      label->setFocusPolicy(Qt::NoFocus);
      if (entry.kind == ControlKind::LinkLabel) {
        label->setCursor(Qt::ArrowCursor);
        label->installEventFilter(this);
      }
      widget = label;
      break;
    }
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(FromCore(entry.text), parent);
      frame->setFocusPolicy(Qt::NoFocus);
      widget = frame;
      break;
    }
    case ControlKind::TextBox: {
      auto* box = new QPlainTextEdit(parent);
      box->setLineWrapMode(QPlainTextEdit::NoWrap);
      box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      // Tab moves the focus on, as in the text boxes the window was designed with.
      box->setTabChangesFocus(true);
      box->setPlainText(BoxTextFromCore(entry.text));
      box->viewport()->installEventFilter(this);
      // A screen reader names the box after the frame around it.
      box->setAccessibleName(FromCore(app::Control(*entry.container).text));
      widget = box;
      break;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(FromCore(entry.text), parent);
      button->setAutoDefault(false);
      button->setDefault(false);
      button->installEventFilter(this);
      widget = button;
      break;
    }
  }
  widget->setObjectName(QString::fromLatin1(entry.name.data(), entry.name.size()) +
                        (entry.index >= 0 ? QString::number(entry.index) : QString()));
  widget->setFont(MakeFont(entry.font));
  if (entry.colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText,
                     QColor(entry.colour->red, entry.colour->green, entry.colour->blue));
    widget->setPalette(palette);
  }
  widget->move(Pixels(entry.place.left), Pixels(entry.place.top));
  if (entry.autoSize) {
    widget->adjustSize();
  } else {
    widget->resize(Pixels(entry.place.width), Pixels(entry.place.height));
  }

  if (entry.id == ControlId::Label3) {
    widget->setAccessibleName(QString::fromUtf16(kStatusLineName));
    widget->setAccessibleDescription(FromCore(entry.text));
  }

  if (entry.id == ControlId::Command1) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
            &Form1Window::runCommand1);
  } else if (entry.id == ControlId::Command2) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
            &Form1Window::runCommand2);
  } else if (entry.id == ControlId::Command3) {
    connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
            &Form1Window::runCommand3);
  }
  return widget;
}

base::Status Form1Window::Load() {
  return form_.Form_Load();
}

void Form1Window::ShowCentred() {
  // The frame is known only once the window exists on the screen; its middle goes to the
  // middle of the screen, title bar and borders included.
  show();
  QRect frame = frameGeometry();
  frame.moveCenter(QGuiApplication::primaryScreen()->availableGeometry().center());
  move(frame.topLeft());
  activateWindow();
  Widget(app::Form1Layout().initialFocus)->setFocus();
}

bool Form1Window::AskToClose() {
  if (closing_ != Closing::No) return closing_ == Closing::Confirmed;
  closing_ = Closing::Asking;
  std::int16_t cancel = 0;
  form_.Form_Unload(cancel);
  if (cancel != 0) {
    closing_ = Closing::No;
    return false;
  }
  closing_ = Closing::Confirmed;
  gone_ = true;
  return true;
}

void Form1Window::closeEvent(QCloseEvent* event) {
  if (AskToClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void Form1Window::CommitData(QSessionManager& manager) {
  if (!manager.allowsInteraction()) return;
  const bool confirmed = AskToClose();
  manager.release();
  if (confirmed) {
    close();
  } else {
    manager.cancel();
  }
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (watched == TextBox(Widget(ControlId::Text1))->viewport()) {
      form_.Text1_Click();
    } else if (watched == Widget(ControlId::Label6_1) &&
               Widget(ControlId::Label6_1)->rect().contains(mouse->position().toPoint())) {
      Report(form_.Label6_Click(app::Control(ControlId::Label6_1).index));
    }
  } else if (event->type() == QEvent::KeyPress) {
    // Enter clicks the button that has the focus; no button is the window's default.
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      button->click();
      return true;
    }
  }
  return false;
}

void Form1Window::runCommand1() {
  queryRunning_ = true;
  form_.Command1_Click();
  queryRunning_ = false;
  // The window may have closed while the query waited for a page; the query has unwound now.
  if (gone_) QCoreApplication::quit();
}

// A queued call runs on the window's thread once the event loop gets to it, and is dropped
// when the window is gone by then.
void Form1Window::PostRunEvent() {
  QMetaObject::invokeMethod(
      this, [this] { form_.OnRunEvent(); }, Qt::QueuedConnection);
}

void Form1Window::runCommand2() {
  form_.Command2_Click();
}

void Form1Window::runCommand3() {
  Report(form_.Command3_Click());
}

void Form1Window::Report(const base::Status& status) {
  if (status.ok()) return;
  boxes_.Inform(this, QString::fromStdString(status.error()), FromCore(app::kAppTitle));
}

std::u16string Form1Window::Text1() const {
  return CoreTextFromBox(TextBox(Widget(ControlId::Text1))->document()->toRawText());
}

void Form1Window::SetText1(std::u16string_view text) {
  TextBox(Widget(ControlId::Text1))->setPlainText(BoxTextFromCore(text));
}

std::u16string Form1Window::Text2() const {
  return CoreTextFromBox(TextBox(Widget(ControlId::Text2))->document()->toRawText());
}

void Form1Window::SetText2(std::u16string_view text) {
  TextBox(Widget(ControlId::Text2))->setPlainText(BoxTextFromCore(text));
}

std::u16string Form1Window::Label3() const {
  return static_cast<QLabel*>(Widget(ControlId::Label3))->text().toStdU16String();
}

void Form1Window::SetLabel3(std::u16string_view caption) {
  auto* label = static_cast<QLabel*>(Widget(ControlId::Label3));
  label->setText(FromCore(caption));
  label->adjustSize();
  // Screen readers read the caption as the status line's description; changing it tells them.
  label->setAccessibleDescription(label->text());
}

bool Form1Window::Command1Enabled() const {
  return Widget(ControlId::Command1)->isEnabled();
}

void Form1Window::SetCommand1Enabled(bool enabled) {
  Widget(ControlId::Command1)->setEnabled(enabled);
}

void Form1Window::ShowMessage(std::u16string_view text) {
  boxes_.Inform(this, FromCore(text), FromCore(app::kAppTitle));
}

void Form1Window::ProcessPendingMessages() {
  QCoreApplication::processEvents();
}

}  // namespace qtapp
