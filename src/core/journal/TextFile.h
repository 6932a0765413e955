#pragma once
#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QStringList>

// The one place where data files are read and written: Windows-1252 text,
// CR LF line ends, and rewrites that never leave a half-written target.
namespace TextFile {

QString decode(const QByteArray& bytes);
// Characters that Windows-1252 cannot hold make *ok false (they become '?').
QByteArray encode(const QString& text, bool* ok = nullptr);
bool canEncode(const QString& text);
// The first character the log cannot hold (outside Windows-1252, or a
// control character), or a null QChar when there is none.
QChar premierIntenable(const QString& text);

// A value read from another file without its control characters (C0, DEL
// and the C1 code points the decoder keeps for 0x81, 0x8D, 0x8F, 0x90, 0x9D):
// the log cannot hold them and nobody sees them.
QString sansControles(QString text);

// Splits on LF and drops a CR before it; a last line without LF is kept.
QStringList splitLines(const QString& text);
// The whole of an open file into one buffer on large pages; empty on a
// read error, which the file then holds.
QByteArray lireTout(QFile& f);
// Missing or unreadable file: empty list and *ok false.
QStringList readLines(const QString& path, bool* ok = nullptr);
// Every line followed by CR LF.
QByteArray joinLines(const QStringList& lines);

// The same on the file's bytes, for large files that are copied more than read.
QByteArrayList readRawLines(const QString& path, bool* ok = nullptr);
QByteArray joinRawLines(const QByteArrayList& lines);

// The whole content written through FichierAtomique: the target holds its
// old or its new content, never a mix. On failure *error says why.
bool rewrite(const QString& target, QByteArrayView content, QString* error = nullptr);
bool rewriteLines(const QString& target, const QStringList& lines, QString* error = nullptr);
// Creates an empty file; false when it cannot be created.
bool createEmpty(const QString& path);

}  // namespace TextFile
