// brelka-label-probe: the least a Qt 6 program can do to show the window's CJK usage text, for
// brelka-startup-bench to compare the window's start with. With --window-fonts it shows the same
// text once in each of the window's fonts (宋体, 黑体 and 微软雅黑, regular, bold and underlined,
// standing in for them as the window does), which tells how much of the window's start its fonts
// take.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <cstring>

#include "FirstPaintExit.h"

namespace {

const QString kText = QStringLiteral(u"使用步骤: ①输入查询域名  ②点开始查询按钮 ");

QFont Font(const QString& family, double points, bool bold, bool underline = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setBold(bold);
  font.setUnderline(underline);
  return font;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  FirstPaintExit exitAtFirstPaint;
  application.installEventFilter(&exitAtFirstPaint);
  QWidget window;
  window.setWindowTitle(QStringLiteral(u"Brelka域名注册批量查询8.0"));
  auto* layout = new QVBoxLayout(&window);
  if (argc > 1 && std::strcmp(argv[1], "--window-fonts") == 0) {
    QFont::insertSubstitutions(QStringLiteral(u"宋体"), {QStringLiteral("Noto Serif CJK SC"),
                                                         QStringLiteral("Noto Sans CJK SC")});
    QFont::insertSubstitution(QStringLiteral(u"黑体"), QStringLiteral("Noto Sans CJK SC"));
    QFont::insertSubstitution(QStringLiteral(u"微软雅黑"), QStringLiteral("Noto Sans CJK SC"));
    for (const QFont& font :
         {Font(QStringLiteral(u"宋体"), 9, false), Font(QStringLiteral(u"宋体"), 9, true),
          Font(QStringLiteral(u"微软雅黑"), 10.5, true, true),
          Font(QStringLiteral(u"黑体"), 9, false), Font(QStringLiteral(u"微软雅黑"), 9, false)}) {
      auto* label = new QLabel(kText);
      label->setFont(font);
      layout->addWidget(label);
    }
  } else {
    layout->addWidget(new QLabel(kText));
  }
  window.show();
  return application.exec();
}
