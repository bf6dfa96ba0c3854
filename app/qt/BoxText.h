// Conversion of text-box text between what Qt stores and what the handlers and the query see.
// Qt keeps a box's lines as blocks (and Shift+Enter line separators); the core sees UTF-16 with
// CR LF after every line the box shows, as the Windows text box reports it. It knows nothing of
// any widget.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace qtapp {

// From QTextDocument::toRawText(): block and line separators become CR LF, nothing else changes.
std::u16string CoreTextFromBox(const QString& raw);
// For QPlainTextEdit::setPlainText(), which starts a new line at CR LF, at a lone CR and at a
// lone LF alike.
QString BoxTextFromCore(std::u16string_view text);
// Any other text of the core (a caption, a label, a message) as Qt holds it.
QString FromCore(std::u16string_view text);

}  // namespace qtapp
