#pragma once

#include <string_view>

// What the document model accepts but a well-formed file never holds: a raw "&", an undefined
// entity, an illegal character or character reference, a duplicated attribute, a second root
// element or text outside it, "--" in a comment, "<" in an attribute value, a document type
// declaration (no file of the client has one, and it could define entities). Tag nesting is the
// parser's to check. Linear in the text's length.
bool isWellFormedXmlText(std::string_view utf8);
