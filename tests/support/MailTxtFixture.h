#pragma once
// Writes provider files in the MAIL.TXT format for tests.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace testsupport {

// One provider as the file stores it: the nine fields in file order.
struct MailTxtProvider {
    QString port = "25";
    QString user = "lid";
    QString ehlo = "club.test";
    QString sender = "club@example.test";
    QString host = "127.0.0.1";
    QString secure = "False";
    QString password = "geheim";
    QString senderName = "Bridgeclub";
    QString authenticate = "False";
    QStringList extra;  // fields after the ninth

    QString joined() const {
        return (QStringList{port, user, ehlo, sender, host, secure, password, senderName,
                            authenticate} + extra).join("<>");
    }
};

// One encoded line: key, a group of three digits per character, then a
// four-character tail (the length field on the first line).
inline QString EncodeMailLine(const QString& text, int key, const QString& tail) {
    QString line = QString::number(key).rightJustified(3, '0');
    for (char c : platform::encodeCp1252(text))
        line += QString::number(static_cast<unsigned char>(c) + key).rightJustified(3, '0');
    return line + tail;
}

// The complete file with CR LF line ends; the first line's tail holds the
// file length minus 12. `blankLines` are put before every line.
inline QByteArray EncodeMailTxt(const QList<MailTxtProvider>& providers,
                                const QString& blankLines = QString()) {
    QList<QString> lines;
    int key = 17;
    for (const MailTxtProvider& p : providers) {
        lines << EncodeMailLine(p.joined(), key, "0000");
        key += 101;
    }
    QByteArray out;
    for (const QString& l : lines)
        out += platform::encodeCp1252(blankLines) + l.toLatin1() + "\r\n";
    if (!lines.isEmpty()) {
        const QString length = QString::number(out.size() - 12).rightJustified(4, '0');
        const int at = out.indexOf("0000\r\n");
        out.replace(at, 4, length.toLatin1());
    }
    return out;
}

// A good one-provider MAIL.TXT in the program folder, as an installation
// has it, so that opening the main window reports no missing file.
inline void WriteWorkingMailTxt() {
    QFile f(platform::programPath("MAIL.TXT"));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(EncodeMailTxt({MailTxtProvider{}}));
}

}  // namespace testsupport
