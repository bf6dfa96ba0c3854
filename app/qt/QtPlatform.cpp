#include "QtPlatform.h"

#include <dlfcn.h>

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QStringList>

#include "BoxText.h"

namespace qtapp {
namespace {

using AttachEx = int (*)(const char*, const char*);

// The library stays loaded for the life of the process: the skin is never detached.
base::Result<AttachEx> LoadSkinEntryPoint() {
  static void* library = nullptr;
  if (library == nullptr) {
    library = dlopen(kSkinLibrary, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return base::Failure{dlerror()};
  }
  void* entry = dlsym(library, "SkinH_AttachEx");
  if (entry == nullptr) {
    return base::Failure{std::string(kSkinLibrary) + ": no entry point SkinH_AttachEx"};
  }
  return reinterpret_cast<AttachEx>(entry);
}

}  // namespace

QtPlatform::QtPlatform(MessageBoxes& boxes, QString urlOpener)
    : boxes_(boxes), urlOpener_(std::move(urlOpener)) {}

base::Status QtPlatform::EmptyClipboard() {
  QGuiApplication::clipboard()->clear();
  return base::Ok();
}

base::Status QtPlatform::SetClipboardText(std::u16string_view text) {
  QGuiApplication::clipboard()->setText(FromCore(text));
  return base::Ok();
}

base::Status QtPlatform::StartProgram(std::u16string_view commandLine, int showWindow) {
  // The browser that opens the address decides how its window appears.
  (void)showWindow;
  const QString line = FromCore(commandLine);
  const QString explorer = QStringLiteral("explorer.exe ");
  QProcess process;
  if (line.startsWith(explorer)) {
    process.setProgram(urlOpener_);
    process.setArguments({line.mid(explorer.size())});
  } else {
    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty()) return base::Failure{"empty command line"};
    process.setProgram(words.takeFirst());
    process.setArguments(words);
  }
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  if (!process.startDetached()) {
    return base::Failure{
        (process.program() + QStringLiteral(": ") + process.errorString()).toStdString()};
  }
  return base::Ok();
}

bool QtPlatform::ConfirmOkCancel(std::u16string_view prompt, std::u16string_view caption) {
  return boxes_.Confirm(QApplication::activeWindow(), FromCore(prompt), FromCore(caption));
}

std::u16string QtPlatform::ProgramFolder() {
  return QCoreApplication::applicationDirPath().toStdU16String();
}

std::string QtPlatform::ToAnsi(std::u16string_view text) {
  return FromCore(text).toLocal8Bit().toStdString();
}

base::Result<int> QtPlatform::SkinH_AttachEx(const std::string& skinPath,
                                            const std::string& password) {
  base::Result<AttachEx> entry = LoadSkinEntryPoint();
  if (!entry) return base::Failure{entry.error()};
  return entry.value()(skinPath.c_str(), password.c_str());
}

void QtPlatform::CloseAllWindows() {
  // A window already closing (the one that asked) is not asked again; Qt skips it.
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

}  // namespace qtapp
