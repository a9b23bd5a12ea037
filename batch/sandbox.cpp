#include "batch/sandbox.h"

#include <lua.hpp>

#include <QRegularExpression>

#include <cstdlib>
#include <cstring>

namespace {

// How often the count hook runs: often enough to stop a loop at once, rarely enough to cost
// nothing.
constexpr int HookEvery = 1000;

// The base functions a batch may call; the rest of the base library goes.
constexpr const char* SafeBase[] = {
    "assert", "error",        "getmetatable", "ipairs",   "next",   "pairs",
    "pcall",  "print",        "rawequal",     "rawget",   "rawlen", "rawset",
    "select", "setmetatable", "tonumber",     "tostring", "type",   "xpcall",
    "_G",     "_VERSION",     "string",       "math",     "table",  "utf8"};

bool safe(const char* name) {
    for (const char* allowed : SafeBase)
        if (std::strcmp(name, allowed) == 0)
            return true;
    return false;
}

// Lua's messages start with "chunk:line: "; the line goes to `line`, the rest is the message.
QString splitMessage(const QString& text, int* line) {
    static const QRegularExpression where(QStringLiteral("^[^:\\n]*:(\\d+): "));
    const QRegularExpressionMatch match = where.match(text);
    if (!match.hasMatch())
        return text;
    *line = match.captured(1).toInt();
    return text.mid(match.capturedLength());
}

} // namespace

Sandbox::Sandbox(const BatchLimits& limits) : m_limits(limits) {
    m_state = lua_newstate(&Sandbox::allocate, this);
    if (!m_state)
        return;
    // Protected: a cap too small to open the libraries must not end the program.
    lua_pushcfunction(m_state, &Sandbox::setup);
    lua_pushlightuserdata(m_state, this);
    if (lua_pcall(m_state, 1, 0, 0) != LUA_OK) {
        lua_close(m_state);
        m_state = nullptr;
        return;
    }
    lua_sethook(m_state, &Sandbox::hook, LUA_MASKCOUNT, HookEvery);
}

int Sandbox::setup(lua_State* L) {
    void* self = lua_touserdata(L, 1);
    luaL_requiref(L, LUA_GNAME, luaopen_base, 1);
    luaL_requiref(L, LUA_STRLIBNAME, luaopen_string, 1);
    luaL_requiref(L, LUA_MATHLIBNAME, luaopen_math, 1);
    luaL_requiref(L, LUA_TABLIBNAME, luaopen_table, 1);
    luaL_requiref(L, LUA_UTF8LIBNAME, luaopen_utf8, 1);
    lua_settop(L, 0);
    // string.dump would hand out bytecode; the string metatable's __index is the same table.
    // Lua's pattern matcher runs in C, where the instruction budget never counts: one pattern that
    // backtracks, in a script someone shared, would hold the program for hours. So patterns are
    // left out, and find searches plain text.
    lua_getglobal(L, LUA_STRLIBNAME);
    for (const char* name : {"dump", "match", "gmatch", "gsub"}) {
        lua_pushnil(L);
        lua_setfield(L, -2, name);
    }
    lua_getfield(L, -1, "find");
    lua_pushcclosure(L, &Sandbox::plainFind, 1);
    lua_setfield(L, -2, "find");
    lua_getfield(L, -1, "rep");
    lua_pushcclosure(L, &Sandbox::boundedRep, 1);
    lua_setfield(L, -2, "rep");
    lua_pop(L, 1);
    lua_getglobal(L, LUA_TABLIBNAME);
    lua_getfield(L, -1, "move");
    lua_pushcclosure(L, &Sandbox::boundedMove, 1);
    lua_setfield(L, -2, "move");
    lua_pop(L, 1);
    lua_pushglobaltable(L);
    lua_pushnil(L);
    while (lua_next(L, -2) != 0) {
        lua_pop(L, 1);
        // Clearing a field that exists is allowed while the table is traversed.
        if (lua_type(L, -1) == LUA_TSTRING && !safe(lua_tostring(L, -1))) {
            lua_pushvalue(L, -1);
            lua_pushnil(L);
            lua_rawset(L, -4);
        }
    }
    lua_pushlightuserdata(L, self);
    lua_pushcclosure(L, &Sandbox::print, 1);
    lua_setfield(L, -2, "print");
    return 0;
}

int Sandbox::plainFind(lua_State* L) {
    lua_settop(L, 3);
    lua_pushboolean(L, 1);
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, 4, LUA_MULTRET);
    return lua_gettop(L);
}

// Two more loops in C that the budget never sees and that need no memory to run for hours: rep of
// an empty text, and move over a range of keys that hold nothing.
int Sandbox::boundedRep(lua_State* L) {
    size_t length = 0, separator = 0;
    luaL_checklstring(L, 1, &length);
    luaL_checkinteger(L, 2);
    luaL_optlstring(L, 3, "", &separator);
    if (length + separator == 0) {
        lua_pushliteral(L, "");
        return 1;
    }
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, 1);
    return 1;
}

int Sandbox::boundedMove(lua_State* L) {
    const lua_Integer first = luaL_checkinteger(L, 2), last = luaL_checkinteger(L, 3);
    // More than any table that fits under the memory cap holds.
    constexpr lua_Integer Most = lua_Integer(1) << 24;
    luaL_argcheck(L, last < first || (first > 0 ? last - first : last / 2 - first / 2) < Most, 3,
                  "too many elements to move");
    lua_pushvalue(L, lua_upvalueindex(1));
    lua_insert(L, 1);
    lua_call(L, lua_gettop(L) - 1, LUA_MULTRET);
    return lua_gettop(L);
}

Sandbox::~Sandbox() {
    if (m_state)
        lua_close(m_state);
}

void* Sandbox::allocate(void* self, void* block, size_t was, size_t size) {
    auto* s = static_cast<Sandbox*>(self);
    // Without a block, `was` tells the kind of object, not a size.
    const qint64 old = block ? qint64(was) : 0;
    if (size == 0) {
        std::free(block);
        s->m_used -= old;
        return nullptr;
    }
    if (qint64(size) > old && s->m_used - old + qint64(size) > s->m_limits.memory) {
        s->m_overMemory = true;
        return nullptr;
    }
    void* grown = std::realloc(block, size);
    if (grown)
        s->m_used += qint64(size) - old;
    return grown;
}

void Sandbox::hook(lua_State* L, lua_Debug*) {
    void* self = nullptr;
    lua_getallocf(L, &self);
    auto* s = static_cast<Sandbox*>(self);
    s->m_counted += HookEvery;
    if (s->m_counted > s->m_limits.instructions)
        s->m_overBudget = true;
    if (!s->m_overBudget && !s->m_overMemory)
        return;
    // From now on at every instruction, so that no pcall of the script's outlasts it.
    lua_sethook(L, &Sandbox::hook, LUA_MASKCOUNT, 1);
    lua_pushliteral(L, "stopped");
    lua_error(L);
}

int Sandbox::print(lua_State* L) {
    // The line is joined by Lua first: a __tostring that raises must find no C++ object here.
    const int count = lua_gettop(L);
    for (int i = 1; i <= count; ++i) {
        luaL_tolstring(L, i, nullptr);
        if (i < count)
            lua_pushliteral(L, "\t");
    }
    lua_concat(L, count == 0 ? 0 : 2 * count - 1);
    auto* s = static_cast<Sandbox*>(lua_touserdata(L, lua_upvalueindex(1)));
    size_t length = 0;
    const char* line = lua_tolstring(L, -1, &length);
    if (s->m_print)
        s->m_print(QString::fromUtf8(line, qsizetype(length)));
    return 0;
}

bool Sandbox::load(const QByteArray& text, const char* name, BatchError* error) {
    if (!m_state) {
        error->fault = BatchFault::Memory;
        error->limit = m_limits.memory;
        return false;
    }
    const int status = luaL_loadbufferx(m_state, text.constData(), size_t(text.size()), name, "t");
    if (status == LUA_OK)
        return true;
    failed(status, error);
    if (status == LUA_ERRSYNTAX && !m_overMemory)
        error->fault = BatchFault::Syntax;
    return false;
}

bool Sandbox::call(int args, int results, BatchError* error) {
    const int status = lua_pcall(m_state, args, results, 0);
    // A script that caught what stopped it, or a refused value, with its own pcall still fails.
    if (status == LUA_OK && !m_overMemory && !m_overBudget && !error->failed())
        return true;
    if (status == LUA_OK)
        lua_pop(m_state, results);
    failed(status, error);
    return false;
}

void Sandbox::failed(int status, BatchError* error) {
    QString message;
    if (status != LUA_OK) {
        size_t length = 0;
        const char* text = lua_tolstring(m_state, -1, &length);
        message = text ? QString::fromUtf8(text, qsizetype(length))
                       : QStringLiteral("(error object is not a string)");
        lua_pop(m_state, 1);
    }
    if (m_overMemory) {
        error->fault = BatchFault::Memory;
        error->limit = m_limits.memory;
    } else if (m_overBudget) {
        error->fault = BatchFault::Budget;
        error->limit = m_limits.instructions;
    } else if (!error->failed() && status != LUA_OK) {
        error->fault = BatchFault::Runtime;
        error->message = splitMessage(message, &error->line);
    }
}

int CallerLine(lua_State* L) {
    lua_Debug where;
    if (lua_getstack(L, 1, &where) && lua_getinfo(L, "l", &where) && where.currentline > 0)
        return where.currentline;
    return 0;
}

QString LuaValueText(lua_State* L, int index) {
    size_t length = 0;
    if (lua_type(L, index) == LUA_TSTRING) {
        const char* text = lua_tolstring(L, index, &length);
        return QLatin1Char('"') + QString::fromUtf8(text, qsizetype(std::min<size_t>(length, 40))) +
               QLatin1Char('"');
    }
    if (lua_type(L, index) == LUA_TNUMBER && !lua_isinteger(L, index)) {
        // %.14g, as Lua writes a float, but without a __tostring that could raise.
        return QString::number(lua_tonumber(L, index), 'g', 14);
    }
    if (lua_type(L, index) == LUA_TNUMBER)
        return QString::number(lua_tointeger(L, index));
    if (lua_type(L, index) == LUA_TBOOLEAN)
        return lua_toboolean(L, index) ? QStringLiteral("true") : QStringLiteral("false");
    return QString::fromUtf8(lua_typename(L, lua_type(L, index)));
}
