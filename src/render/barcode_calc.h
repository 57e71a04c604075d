#pragma once

#include <QString>
#include <QStringList>

// Turns a barcode value into module pieces ('1' dark, '0' light) with the human-readable text
// that stands under each piece. Each Encode refills both lists.
class VBarCodeCalc
{
public:
    // Fills the lists and returns the whole pattern, or the length message (lists empty then).
    // Nothing is encoded (empty result) for types without a linear symbol or for values a
    // symbology cannot hold at all.
    QString Encode(int type, const QString &value, bool checkDigitComputed);
    // The check character the properties dialog shows beside the value; empty where a type has none.
    QString CheckCharacter(int type, const QString &value) const;

    const QStringList &Patterns() const { return m_patterns; }
    const QStringList &Texts() const { return m_texts; }
    // What the last symbol carries, as a reader returns it: the digits with their check digit,
    // the UPC-E form, Codabar with its start and stop, Code 128 set C as its digit pairs.
    QString EncodedData() const { return m_data; }

    // Why a value cannot be drawn as a symbol of the type: the position of the first character the
    // symbology cannot hold (badIndex), or the encoder's own message (a wrong length). Types
    // without a linear symbol take any value.
    struct ValueCheck {
        int badIndex = -1;
        QString message;
        bool ok() const { return badIndex < 0 && message.isEmpty(); }
    };
    static ValueCheck CheckValue(int type, const QString &value, bool checkDigitComputed);
    // Types whose symbols hold digits only, and those that have no lower-case letters.
    static bool DigitsOnly(int type);
    static bool UpperCaseOnly(int type);
    // The most characters a value of the type can have (check character included).
    static int MaxLength(int type);

    // One encoder serves every barcode element.
    static VBarCodeCalc &Shared();

    // Modulo-10 check digit (weight 3 on the rightmost digit); -1 when digits holds a non-digit.
    static int Mod10(const QString &digits);
    // The 11 UPC-A digits (without check digit) that a UPC-E number system digit and six digits stand for.
    static QString UpcEToUpcA(const QString &upcE);
    // The 8-digit UPC-E form of a 12-digit UPC-A number, empty when no zero suppression applies.
    static QString UpcAToUpcE(const QString &upcA);
    // Check digit of a UPC-E number (7 digits) or of a UPC-A number (11 digits): that of the UPC-A number.
    static int UpcCheckDigit(const QString &digits);

private:
    QString eanUpc(int type, const QString &value, bool computed);
    QString upcE(const QString &value, bool computed);
    QString code39(const QString &value);
    QString code93(const QString &value);
    QString code128(const QString &value);
    QString itf(const QString &value);
    QString codabar(const QString &value);
    void add(const QString &pattern, const QString &text);
    QString finish();

    QStringList m_patterns;
    QStringList m_texts;
    QString m_data;
};
