#pragma once
// Writes provider files in the MAIL.TXT format for tests.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "shared/MailTxt.h"

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
        return MailProviderVelden{port,   user,     ehlo,       sender,       host,
                                  secure, password, senderName, authenticate, extra}
            .Regel();
    }
};

// One encoded line: key, a group of three digits per character, then a
// four-character tail (the length field on the first line).
inline QString EncodeMailLine(const QString& text, int key, const QString& tail) {
    return CodeerMailRegel(text, key, tail);
}

// The complete file as the program's encoder writes it (no check of the
// fields, so damaged providers can be written on purpose). `blankLines` are
// put before every line. Empty when the encoder refuses.
inline QByteArray EncodeMailTxt(const QList<MailTxtProvider>& providers,
                                const QString& blankLines = QString()) {
    QStringList texts;
    for (const MailTxtProvider& p : providers)
        texts << p.joined();
    QByteArray out;
    QString why;
    if (!CodeerMailTxt(texts, out, &why, blankLines))
        qWarning("EncodeMailTxt: %s", qPrintable(why));
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
