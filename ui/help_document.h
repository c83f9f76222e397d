#pragma once

#include <string_view>

class QTextDocument;

// Puts a help document's bytes into doc: as RTF when they read as RTF, else
// as plain text (UTF-8 when valid, else Shift-JIS; CR LF, LF and a lone CR end
// lines). Returns false when they read neither way; doc is then unspecified.
bool LoadHelpDocument(std::string_view bytes, QTextDocument& doc);
