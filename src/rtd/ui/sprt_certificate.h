#pragma once

#include "standards/ui/standards_manager.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

namespace tmcalc {

// The SPRT Configure list's certificate commands: "Paste certificate" adds a standard from the ITS-90
// Compact string(s) on the clipboard, "Copy certificate" puts the clicked standard's strings there, "Save
// QR code…" writes them as a PNG.
[[nodiscard]] std::vector<ManagerExtraCommand> SprtCertificateCommands();

// The standard's strings joined by line feeds: the ones it was pasted from while its values still match
// them, otherwise one per deviation group it carries (upper first); empty when it carries no complete group.
[[nodiscard]] QString SprtCertificateText(const StandardRecord& record);

// The QR code of `text` (byte mode, error correction M, a four-module margin), `moduleSize` pixels a
// module; a null image when the text is too long for a QR code.
[[nodiscard]] QImage QrCodeImage(const QString& text, int moduleSize);

// Where "Save QR code…" writes: asks with a file dialog unless a test has set an answer.
void SetQrCodePathForTests(std::optional<QString> path);

}  // namespace tmcalc
