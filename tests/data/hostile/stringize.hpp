#define S(x) #x
#define R(x) S(x x x x x x x x x x x x x x x x x x x x x x x x x x x x x x)
#define T(x) R(x x x x x x x x x x x x x x x x x x x x x x x x x x x x x x)
class D
{
    controls[] = {};
    v0 = T(wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww);
    v1 = T(v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0 v0);
};
