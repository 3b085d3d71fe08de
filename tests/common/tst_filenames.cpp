#include "common/filenames.h"

#include <QTest>
#include <QUrl>

using namespace Lumo;

// File names as the system gives them: bytes that are not UTF-8 survive the trip through a
// QString and back, and show as U+FFFD.
class tst_FileNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bytesSurviveTheRoundTrip_data();
    void bytesSurviveTheRoundTrip();
    void fileAddressKeepsItsBytes_data();
    void fileAddressKeepsItsBytes();
};

void tst_FileNames::bytesSurviveTheRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");  // as kept in a QString
    QTest::addColumn<QString>("shown"); // as shown to the user

    const QString replacement(QChar::ReplacementCharacter);
    const auto kept = [](uchar byte) { return QString(QChar(char16_t(0xDC00 + byte))); };
    // clang-format off
    QTest::newRow("ASCII")                                    << QByteArray("/home/ann/ann.kar")                        << "/home/ann/ann.kar" << "/home/ann/ann.kar";
    QTest::newRow("UTF-8 letters and a sign outside the BMP") << QByteArray("\xc3\xa4\xe2\x82\xac\xf0\x9f\x98\x80.kar") << QString::fromUtf8("ä€😀.kar") << QString::fromUtf8("ä€😀.kar");
    QTest::newRow("Latin-1 bytes")                            << QByteArray("bad\xff\xfe.kar")                          << "bad" + kept(0xff) + kept(0xfe) + ".kar" << "bad" + replacement + replacement + ".kar";
    QTest::newRow("cut sequence at the end")                  << QByteArray("ann\xe2\x82")                              << "ann" + kept(0xe2) + kept(0x82) << "ann" + replacement + replacement;
    QTest::newRow("overlong slash")                           << QByteArray("\xc0\xaf")                                 << kept(0xc0) + kept(0xaf) << replacement + replacement;
    QTest::newRow("encoded surrogate")                        << QByteArray("\xed\xa0\x80")                             << kept(0xed) + kept(0xa0) + kept(0x80) << replacement + replacement + replacement;
    QTest::newRow("above U+10FFFF")                           << QByteArray("\xf4\x90\x80\x80")                         << kept(0xf4) + kept(0x90) + kept(0x80) + kept(0x80) << QString(4, QChar::ReplacementCharacter);
    // clang-format on
}

void tst_FileNames::bytesSurviveTheRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, shown);
#ifndef Q_OS_UNIX
    QSKIP("file names are text on this system");
#endif

    QCOMPARE(fileNameFromNative(bytes), name);
    QCOMPARE(nativeFileName(name), bytes);
    QCOMPARE(fileNameForDisplay(name), shown);
    QByteArray argument = bytes;
    char *arguments[] = {argument.data()};
    QCOMPARE(programArguments(1, arguments), QStringList{name});
}

void tst_FileNames::fileAddressKeepsItsBytes_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QByteArray>("bytes"); // of the local file; empty for none
    QTest::addColumn<QString>("remoteHost");

    // clang-format off
    QTest::newRow("space")              << "file:///home/ann/my%20ann.kar"        << QByteArray("/home/ann/my ann.kar") << "";
    QTest::newRow("UTF-8")              << "file:///home/%C3%A4nn.kar"            << QByteArray("/home/\xc3\xa4nn.kar") << "";
    QTest::newRow("not UTF-8")          << "file:///tmp/bad%FF%FE.kar"            << QByteArray("/tmp/bad\xff\xfe.kar") << "";
    QTest::newRow("localhost")          << "file://localhost/home/ann/ann.kar"    << QByteArray("/home/ann/ann.kar")    << "";
    QTest::newRow("LOCALHOST")          << "FILE://LOCALHOST/home/ann/ann.kar"    << QByteArray("/home/ann/ann.kar")    << "";
    // Another computer's file is not the local file of its path.
    QTest::newRow("another computer")   << "file://host.example/home/ann/ann.kar" << QByteArray()                       << "host.example";
    QTest::newRow("host like a folder") << "file://tmp/ann.kar"                   << QByteArray()                       << "tmp";
    QTest::newRow("web address")        << "https://example.org/ann.kar"          << QByteArray()                       << "";
    QTest::newRow("path")               << "/home/ann/ann.kar"                    << QByteArray()                       << "";
    // clang-format on
}

void tst_FileNames::fileAddressKeepsItsBytes()
{
    QFETCH(QString, address);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, remoteHost);
#ifndef Q_OS_UNIX
    QSKIP("file names are text on this system");
#endif
    QCOMPARE(nativeFileName(localFileFromUrl(QUrl(address))), bytes);
    QCOMPARE(remoteFileHost(address), remoteHost);
}

QTEST_MAIN(tst_FileNames)
#include "tst_filenames.moc"
