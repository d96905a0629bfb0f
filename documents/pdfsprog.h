#pragma once
// The document language of a finished PDF. cairo writes no /Lang, so it is
// set afterwards on the catalog through libqpdf's object model; the file is
// written again with an identifier computed from its contents, so the same
// document gives the same bytes.
#include <optional>
#include <string>
#include <string_view>

namespace kvistor {

// The PDF with /Lang set to `sprog` ("da"); nullopt with the reason in
// Danish when the bytes cannot be read as a PDF.
std::optional<std::string> SaetPdfSprog(std::string_view pdf, const std::string& sprog,
                                        std::string& fejl);

}  // namespace kvistor
