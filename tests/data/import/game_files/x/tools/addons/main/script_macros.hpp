// The mod's own macros, as its unpacked files hold them: names made of the mod's prefix.
#define PREFIX tools
#define COMPONENT terminal
#define DOUBLES(var1,var2) var1##_##var2
#define TRIPLES(var1,var2,var3) var1##_##var2##_##var3
#define QUOTE(var1) #var1
#define ADDON DOUBLES(PREFIX,COMPONENT)
#define GVAR(var1) DOUBLES(ADDON,var1)
#define QGVAR(var1) QUOTE(GVAR(var1))
#define FUNC(var1) TRIPLES(ADDON,fnc,var1)
#define CTRL(var1) PREFIX##_ctrl_##var1
