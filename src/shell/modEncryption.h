#pragma once

#include <QString>

// Password scrambling shared by the log-in, the transaction user validation and
// the user accounts: passwords are stored and compared only in this form.
namespace modEncryption {

// The fixed one-byte seed every scrambled text starts with. It is part of the
// stored passwords, so it never changes.
constexpr int Seed = 0x3C;

// The key the program scrambles passwords with.
inline const QString PasswordKey = QStringLiteral("VELTRANOSKIBE");

// Mode "E" scrambles `text` with `key`; any other mode gives "".
QString Encrypt(const QString& mode, const QString& key, const QString& text);

} // namespace modEncryption
