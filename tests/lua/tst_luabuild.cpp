#include <lua.hpp>

#include <QTest>

#include <cstring>

namespace {

// What `chunk` returns, as tostring() writes it, or "error: " and Lua's message.
QString run(const char* chunk) {
    lua_State* L = luaL_newstate();
    luaL_openlibs(L);
    const bool ok = luaL_loadbufferx(L, chunk, std::strlen(chunk), "=t", "t") == LUA_OK &&
                    lua_pcall(L, 0, 1, 0) == LUA_OK;
    const QString text = (ok ? QString() : QStringLiteral("error: ")) +
                         QString::fromUtf8(luaL_tolstring(L, -1, nullptr));
    lua_close(L);
    return text;
}

} // namespace

// The batches' rounding and ranges count on 64-bit integers and IEEE doubles, and their messages
// and print() on the C library's number formats: a Windows Lua built with 32-bit numbers, without
// 5.3's compatibility, or on msvcrt.dll's printf and strtod, differs from Linux's in these rows.
class tst_LuaBuild : public QObject {
    Q_OBJECT
private slots:
    void numbers_data();
    void numbers();
};

void tst_LuaBuild::numbers_data() {
    QTest::addColumn<QString>("chunk");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* chunk, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(chunk) << QString::fromUtf8(expected);
    };
    row("the version", "return _VERSION", "Lua 5.4");
    row("64-bit integers", "return math.maxinteger", "9223372036854775807");
    row("doubles", "return 2^53 + 1", "9.007199254741e+15");
    row("a float keeps 14 digits", "return 1 / 3", "0.33333333333333");
    row("a whole float", "return 7 / 2 * 2", "7.0");
    row("infinity", "return -1 / 0", "-inf");
    row("overflowing text", "return tonumber('1e400')", "inf");
    row("a hex float", "return tonumber('0x1p4')", "16.0");
    row("format rounds ties to even", "return string.format('%.1f %.0f', 2.25, 2.5)", "2.2 2");
    row("format hex float", "return string.format('%a', 1)", "0x1p+0");
    row("format exponent", "return string.format('%g %.2e', 1e20, 12345.678)", "1e+20 1.23e+04");
    row("a float as an integer", "return string.format('%d', 3.0)", "3");
    row("5.3's math functions", "return math.pow(2, 10)", "1024.0");
}

void tst_LuaBuild::numbers() {
    QFETCH(QString, chunk);
    QFETCH(QString, expected);
    QCOMPARE(run(chunk.toUtf8().constData()), expected);
}

QTEST_GUILESS_MAIN(tst_LuaBuild)
#include "tst_luabuild.moc"
