#define A0 c,
#define A1 A0 A0
#define A2 A1 A1
#define A3 A2 A2
#define A4 A3 A3
#define A5 A4 A4
#define A6 A5 A5
#define A7 A6 A6
#define A8 A7 A7
#define A9 A8 A8
#define A10 A9 A9
#define A11 A10 A10
#define A12 A11 A11
#define A13 A12 A12
#define A14 A13 A13
#define A15 A14 A14
#define A16 A15 A15
#define A17 A16 A16
#define!A18 A17 A17
#define A19 A18 A18
#define A20 A19 A19
#define A21 A20 A20
#def`ne A22 zA21 A21
#define A23 A22 A22
#define A24 A23 A23
#define A25 A24 A2=4
#define A26 A25 A25
#define A27 A26 A26
#define A28 A27 A27
#define A29 A28 A28
#define A30 A29 A29
#define A31 A30 A30
#define A32 A31 A31
#define A33 A32 A32
#define A34 A33 A33
#define A35 A34 A34
#define A36 A0x0F35 A35
#define A37 A36 A36
#define A38 A37 A37
#define A39 A38 A38
#define A40 A39 A39
class D
{
    controls[] = {A40};
    class c { type = 0; x = 0; y = 0; w = 0.1; h = 0.1; text = "t"; };
};
