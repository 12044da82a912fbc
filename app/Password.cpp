#include "app/Password.h"

#include <iconv.h>

namespace modMain {
namespace {

const char *const CodePage = "CP950";

// The character's bytes in the code page; '?' for one the code page lacks.
QByteArray ansiBytes(const QString &character)
{
    iconv_t cd = iconv_open(CodePage, "UTF-8");
    if (cd == iconv_t(-1))
        return QByteArray("?");
    QByteArray in = character.toUtf8();
    char out[8];
    char *inPtr = in.data();
    size_t inLeft = size_t(in.size());
    char *outPtr = out;
    size_t outLeft = sizeof out;
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == size_t(-1) || outPtr == out)
        return QByteArray("?");
    return QByteArray(out, int(outPtr - out));
}

QString fromAnsiByte(int code)
{
    if (code < 0x80)
        return QString(QChar(char16_t(code)));
    iconv_t cd = iconv_open("UTF-8", CodePage);
    if (cd == iconv_t(-1))
        return {};
    char in[1] = {char(code)};
    char out[8];
    char *inPtr = in;
    size_t inLeft = 1;
    char *outPtr = out;
    size_t outLeft = sizeof out;
    iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    return QString::fromUtf8(out, int(outPtr - out));
}

} // namespace

QString EncodePassword(const QString &password)
{
    QString stored;
    for (qsizetype i = 0; i < password.size(); ++i) {
        // A character outside the basic plane travels as its surrogate pair.
        const qsizetype length = password.at(i).isHighSurrogate() && i + 1 < password.size() ? 2 : 1;
        const QByteArray bytes = ansiBytes(password.mid(i, length));
        i += length - 1;
        int code = quint8(bytes.at(0));
        if (bytes.size() >= 2)
            code = qint16(quint16((quint8(bytes.at(0)) << 8) | quint8(bytes.at(1))));
        stored += code >= 0 && code < 10 ? QStringLiteral("0%1").arg(code) : QString::number(code);
    }
    return stored;
}

QString DecodePassword(const QString &stored)
{
    QString password;
    for (qsizetype i = 0; i + 1 < stored.size(); i += 2) {
        bool ok = false;
        const int code = stored.mid(i, 2).toInt(&ok);
        if (ok)
            password += fromAnsiByte(code);
    }
    return password;
}

} // namespace modMain
