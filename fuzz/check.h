// What the fuzz targets share: an invariant check that stops the run with a
// message, and the splitting of one input into list texts.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

#define VELLUNA_CHECK(cond, ...)                                                                                       \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond);                          \
            velluna::fuzz::printContext(__VA_ARGS__);                                                                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

namespace velluna::fuzz {

inline void printContext() {}
template <typename... T> void printContext(const QString &first, const T &...rest)
{
    std::fprintf(stderr, "  [%s]\n", first.toUtf8().constData());
    printContext(rest...);
}

// The byte 0xFF never occurs in UTF-8, so it parts the input into texts
// without taking any character away from them. Missing texts are empty.
inline QList<QString> splitTexts(const uint8_t *data, size_t size, qsizetype count)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QList<QString> texts;
    for (const QByteArray &part : bytes.split('\xff'))
        texts << QString::fromUtf8(part);
    while (texts.size() < count)
        texts << QString();
    return texts;
}

} // namespace velluna::fuzz
