#include "documents/pdfsprog.h"

// The smart pointers of qpdf 11 without its transition warnings.
#define POINTERHOLDER_TRANSITION 4
#include <exception>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>

namespace kvistor {

std::optional<std::string> SaetPdfSprog(std::string_view pdf, const std::string& sprog,
                                        std::string& fejl) {
  try {
    QPDF q;
    q.setSuppressWarnings(true);
    q.processMemoryFile("dokumentation", pdf.data(), pdf.size());
    q.getRoot().replaceKey("/Lang", QPDFObjectHandle::newString(sprog));
    QPDFWriter w(q);
    w.setOutputMemory();
    w.setDeterministicID(true);
    w.write();
    const std::shared_ptr<Buffer> b = w.getBufferSharedPointer();
    return std::string(reinterpret_cast<const char*>(b->getBuffer()), b->getSize());
  } catch (const std::exception& e) {
    fejl = std::string("PDF-filens sprog kunne ikke sættes: ") + e.what();
    return std::nullopt;
  }
}

}  // namespace kvistor
