#pragma once

#include <string_view>

class QTextDocument;

// Reads an RTF document into doc: paragraphs and line breaks, bold, italic,
// underline, font size, colours, font character sets (Shift-JIS for
// \fcharset128 and \ansicpg932), \uN with \ucN; other destinations are
// skipped. Returns false, with doc in an unspecified state, when the bytes do
// not start with "{\rtf", their groups do not balance, nest too deeply or an
// escape is cut off.
bool ReadRtf(std::string_view bytes, QTextDocument& doc);
