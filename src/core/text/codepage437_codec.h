#pragma once

#include <QTextCodec>

// Code page 437 with the reader maker's own exceptions. The codec registry takes every
// instance over at construction; never delete one.
class QCodePage437Codec : public QTextCodec
{
public:
    QCodePage437Codec() = default;
    ~QCodePage437Codec() override = default;

    QByteArray name() const override;
    QList<QByteArray> aliases() const override;
    int mibEnum() const override;

protected:
    QString convertToUnicode(const char *in, int length, ConverterState *state) const override;
    QByteArray convertFromUnicode(const QChar *in, int length, ConverterState *state) const override;
};
