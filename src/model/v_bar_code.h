#pragma once

#include "model/units.h"

#include <QString>

// Barcode settings of a BarCode element (BarCodeSet in design files).
class VBarCode
{
public:
    // Symbology codes as stored in files.
    enum Type : int {
        Invalid = -1,
        Other = 0,
        Ean8 = 1,
        Ean13 = 2,
        UpcA = 3,
        UpcE = 4,
        Code39 = 5,
        Code128 = 6,
        Codabar = 7,
        InterLeave = 8,
        FullAscii = 9,
        Itf = 10,
        Code93 = 11,
        Qr = 12,
    };

    static const char *const kCode39Chars; // also the Code 93 character set
    static const char *const kCodabarChars;

    bool Changed() const { return m_changed; }
    void SetChanged(bool on) { m_changed = on; }

    QString Value() const { return m_value; }
    // Validates against the current type; an invalid value turns the type into -1 and the value
    // into "ERROR". Numeric types are trimmed and lose a typed check digit.
    bool SetValue(const QString &value);
    int Type() const { return m_type; }
    // Accepts -1..7, 10, 11, 12; anything else is stored as -1.
    bool SetType(int type);
    // File readers restore what was stored, without validation.
    void SetRawValue(const QString &value) { m_value = value; }
    void SetRawType(int type) { m_type = type; }

    int ValueType() const { return m_valueType; }
    bool SetValueType(int v);
    int Orientation() const { return m_orientation; }
    bool SetOrientation(int v);
    ColorRef Color() const { return m_color; }
    bool SetColor(ColorRef c);
    bool ManualWidth() const { return m_manualWidth; }
    bool SetManualWidth(bool on);
    double LineWidth() const { return m_lineWidth; }
    bool SetLineWidth(double twips);
    bool ManualHeight() const { return m_manualHeight; }
    bool SetManualHeight(bool on);
    double MarginTop() const { return m_marginTop; }
    bool SetMarginTop(double twips);
    double MarginBottom() const { return m_marginBottom; }
    bool SetMarginBottom(double twips);
    bool ShowValue() const { return m_showValue; }
    bool SetShowValue(bool on);
    int ValuePos() const { return m_valuePos; }
    bool SetValuePos(int v);
    int FontSizeSet() const { return m_fontSizeSet; }
    bool SetFontSizeSet(int v);
    bool CheckDigitComputed() const { return m_checkDigitComputed; }
    bool SetCheckDigitComputed(bool on);

    // Size mode and standard-size factor live here but are not written to design files.
    bool CustomSize() const { return m_customSize; }
    bool SetCustomSize(bool on);
    float Factor() const { return m_factor; }
    bool SetFactor(float f);
    int Reserved() const { return m_reserved; }

    // Number of data digits of the numeric types (without check digit when it is computed).
    static int DataLength(int type, bool checkDigitComputed);

    bool operator==(const VBarCode &) const = default;

private:
    bool m_changed = false;
    QString m_value = QStringLiteral("012345678901");
    int m_type = Ean13;
    int m_valueType = 0;
    int m_orientation = 0;
    ColorRef m_color = 0;
    bool m_manualWidth = false;
    double m_lineWidth = 15.0;
    bool m_manualHeight = false;
    double m_marginTop = 0.0;
    double m_marginBottom = 0.0;
    bool m_showValue = false;
    int m_valuePos = 1;
    int m_fontSizeSet = 0;
    bool m_checkDigitComputed = true;
    bool m_customSize = true;
    float m_factor = 1.0f;
    int m_reserved = 0;
};
