#include "readings/astrology/karfile.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

using namespace Lumo;

// An endless file: repeats its pattern for as long as it is read, and counts what it gave.
class EndlessDevice : public QIODevice
{
public:
    explicit EndlessDevice(const QByteArray &repeated) : pattern(repeated) {}
    qint64 delivered = 0;

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        for (qint64 i = 0; i < maxSize; ++i)
            data[i] = pattern[(delivered + i) % pattern.size()];
        delivered += maxSize;
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray pattern;
};

class tst_KarFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encodesTheExactBytes();
    void roundTrip_data();
    void roundTrip();
    void read_data();
    void read();
    void randomBytesGiveBoundedFields();
    void endlessFileReturnsBoundedFields_data();
    void endlessFileReturnsBoundedFields();
    void isKarFileName_data();
    void isKarFileName();
};

namespace {

std::optional<KarFields> readBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readKarFile(buffer);
}

// The four fields, or no entry at all for a refused file.
QStringList asList(const std::optional<KarFields> &fields)
{
    if (!fields)
        return {};
    return {fields->name, fields->day, fields->monthName, fields->year};
}

// The name box's longest text, a QLineEdit's default maximum length.
constexpr qsizetype MaxFieldLength = 32767;

} // namespace

void tst_KarFile::encodesTheExactBytes()
{
    const QByteArray expected = QByteArray::fromHex("96A3A30D0A8A0D0AA2B6CE0D0A868E8B850D0A");
    QCOMPARE(encodeKarFile("ANN", 5, "May", 1960), expected);
}

void tst_KarFile::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("monthName");
    QTest::addColumn<int>("year");

    // clang-format off
    QTest::newRow("ANN")                        << "ANN"                        << 5  << "May"      << 1960;
    QTest::newRow("two words, last day")        << "MARY ANN SMITH"             << 31 << "December" << 2009;
    QTest::newRow("longest name the box takes") << QString(MaxFieldLength, 'A') << 1  << "January"  << 1940;
    // clang-format on
}

void tst_KarFile::roundTrip()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, monthName);
    QFETCH(int, year);
    const QStringList expected{name, QString::number(day), monthName, QString::number(year)};
    QCOMPARE(asList(readBytes(encodeKarFile(name, day, monthName, year))), expected);
}

void tst_KarFile::read_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");

    const QByteArray ann = QByteArray::fromHex("96A3A3");
    const QByteArray five = QByteArray::fromHex("8A");
    const QByteArray may = QByteArray::fromHex("A2B6CE");
    const QByteArray year = QByteArray::fromHex("868E8B85");

    // Refused files give no fields at all.
    // clang-format off
    QTest::newRow("empty file")                    << QByteArray()                                        << QStringList{};
    QTest::newRow("two lines")                     << ann + "\r\n" + five + "\r\n"                        << QStringList{};
    QTest::newRow("three lines")                   << ann + "\r\n" + five + "\r\n" + may + "\r\n"         << QStringList{};
    QTest::newRow("empty name")                    << encodeKarFile("", 1, "January", 1940)               << QStringList{};
    QTest::newRow("name of only spaces")           << encodeKarFile("   ", 1, "January", 1940)            << QStringList{};
    QTest::newRow("name padded with spaces")       << encodeKarFile(" ANN ", 5, "May", 1960)              << QStringList{" ANN ", "5", "May", "1960"};
    QTest::newRow("fifth line ignored")            << ann + "\r\n" + five + "\r\n" + may + "\r\n" + year + "\r\n" + ann + "\r\n" << QStringList{"ANN", "5", "May", "1960"};
    QTest::newRow("lone LF")                       << ann + "\n" + five + "\n" + may + "\n" + year + "\n" << QStringList{"ANN", "5", "May", "1960"};
    QTest::newRow("lone CR, no end on last line")  << ann + "\r" + five + "\r" + may + "\r" + year        << QStringList{"ANN", "5", "May", "1960"};
    QTest::newRow("empty lines")                   << QByteArray("\r\n\n\r") + year                       << QStringList{};
    QTest::newRow("unshifted capitals")            << QByteArray("ANN\r\n5\r\nMay\r\n1960\r\n")           << QStringList{};
    // "a" decodes to a control character.
    QTest::newRow("unshifted text")                << QByteArray("ann\r\n5\r\nmay\r\n1960\r\n")           << QStringList{};
    QTest::newRow("control character in the name") << QByteArray::fromHex("96A3A35F") + "\r\n" + five + "\r\n" + may + "\r\n" + year << QStringList{};
    // Codes below 85 vanish in decoding; 0xFF decodes to 170.
    QTest::newRow("long name cut")                 << QByteArray(MaxFieldLength + 1000, '\x96') + "\r\n" + five + "\r\n" + may + "\r\n" + year << QStringList{QString(MaxFieldLength, 'A'), "5", "May", "1960"};
    QTest::newRow("binary with NUL")               << QByteArray::fromHex("9600A3FF0D0A01020D0D0A0D0A")   << QStringList{"AN" + QString(QChar(170)), "", "", ""};
    // clang-format on
}

void tst_KarFile::read()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QCOMPARE(asList(readBytes(bytes)), fields);
}

void tst_KarFile::randomBytesGiveBoundedFields()
{
    QRandomGenerator random(20240501);
    QByteArray blob(1024 * 1024, Qt::Uninitialized);
    for (char &byte : blob)
        byte = char(random.bounded(256));

    for (const QString &field : asList(readBytes(blob))) {
        QVERIFY(field.size() <= MaxFieldLength);
        for (const QChar c : field)
            QVERIFY(c.unicode() <= 170);
    }
}

void tst_KarFile::endlessFileReturnsBoundedFields_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QStringList>("fields");

    // clang-format off
    QTest::newRow("one endless line")    << QByteArray("\x96")     << QStringList{};
    QTest::newRow("endless short lines") << QByteArray("\x96\r\n") << QStringList{"A", "A", "A", "A"};
    // clang-format on
}

void tst_KarFile::endlessFileReturnsBoundedFields()
{
    QFETCH(QByteArray, pattern);
    QFETCH(QStringList, fields);
    EndlessDevice device(pattern);
    QVERIFY(device.open(QIODevice::ReadOnly));
    QCOMPARE(asList(readKarFile(device)), fields);
    QVERIFY2(device.delivered <= 1024 * 1024, qPrintable(QString::number(device.delivered)));
}

void tst_KarFile::isKarFileName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("isKar");

    // clang-format off
    QTest::newRow("a.kar")                     << "a.kar"                      << true;
    QTest::newRow("path")                      << "/home/ann/readings/ann.kar" << true;
    QTest::newRow("only the last three count") << "readingkar"                 << true;
    QTest::newRow("kar")                       << "kar"                        << true;
    QTest::newRow("upper case")                << "a.KAR"                      << false;
    QTest::newRow("mixed case")                << "a.Kar"                      << false;
    QTest::newRow("trailing space")            << "a.kar "                     << false;
    QTest::newRow("other extension")           << "a.txt"                      << false;
    QTest::newRow("too short")                 << "ar"                         << false;
    QTest::newRow("empty")                     << ""                           << false;
    // clang-format on
}

void tst_KarFile::isKarFileName()
{
    QFETCH(QString, fileName);
    QFETCH(bool, isKar);
    QCOMPARE(Lumo::isKarFileName(fileName), isKar);
}

QTEST_APPLESS_MAIN(tst_KarFile)
#include "tst_karfile.moc"
