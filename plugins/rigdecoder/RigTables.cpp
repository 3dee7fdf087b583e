#include "RigTables.h"

#include <array>
#include <cstddef>

namespace rig {

namespace {

// Difference tables are constant expressions: they exist before any decoding, in every
// thread, with no initialisation at run time. The float subtraction rounds each entry to
// single precision.
template <std::size_t n>
constexpr std::array<float, n> differenceOf(const float (&strict)[n], const float (&controlled)[n]) {
    std::array<float, n> difference{};
    for (std::size_t i = 0; i < n; ++i) difference[i] = strict[i] - controlled[i];
    return difference;
}

// clang-format off
constexpr int kHorizontalFirst[] = {W, X, Y};
constexpr int kHorizontalSecond[] = {W, X, Y, U, V};
constexpr int kPeriphonicFirst[] = {W, X, Y, Z};
constexpr int kCubeSecondChannels[] = {W, X, Y, Z, S, T, U, V};
constexpr int kAllChannels[] = {W, X, Y, Z, R, S, T, U, V};

// Square, first order: 4 speakers x W, X, Y.
constexpr float kSquareFirstStrict[] = {
    0.3536f, 0.3536f, 0.3536f,
    0.3536f, 0.3536f, -0.3536f,
    0.3536f, -0.3536f, -0.3536f,
    0.3536f, -0.3536f, 0.3536f,
};
constexpr float kSquareFirstControlled[] = {
    0.3536f, 0.1768f, 0.1768f,
    0.3536f, 0.1768f, -0.1768f,
    0.3536f, -0.1768f, -0.1768f,
    0.3536f, -0.1768f, 0.1768f,
};
constexpr auto kSquareFirstDifference = differenceOf(kSquareFirstStrict, kSquareFirstControlled);

// Square, second order: 4 speakers x W, X, Y, U, V.
constexpr float kSquareSecondStrict[] = {
    0.3536f, 0.3536f, 0.3536f, 0.0000f, 0.2500f,
    0.3536f, 0.3536f, -0.3536f, 0.0000f, -0.2500f,
    0.3536f, -0.3536f, -0.3536f, 0.0000f, 0.2500f,
    0.3536f, -0.3536f, 0.3536f, 0.0000f, -0.2500f,
};
constexpr float kSquareSecondControlled[] = {
    0.3536f, 0.2434f, 0.2434f, 0.0000f, 0.0964f,
    0.3536f, 0.2434f, -0.2434f, 0.0000f, -0.0964f,
    0.3536f, -0.2434f, -0.2434f, 0.0000f, 0.0964f,
    0.3536f, -0.2434f, 0.2434f, 0.0000f, -0.0964f,
};
constexpr auto kSquareSecondDifference = differenceOf(kSquareSecondStrict, kSquareSecondControlled);

// Pentagon, first order: 5 speakers x W, X, Y.
constexpr float kPentagonFirstStrict[] = {
    0.2828f, 0.3236f, 0.2351f,
    0.2828f, -0.1236f, 0.3804f,
    0.2828f, -0.4000f, 0.0000f,
    0.2828f, -0.1236f, -0.3804f,
    0.2828f, 0.3236f, -0.2351f,
};
constexpr float kPentagonFirstControlled[] = {
    0.2828f, 0.1618f, 0.1176f,
    0.2828f, -0.0618f, 0.1902f,
    0.2828f, -0.2000f, 0.0000f,
    0.2828f, -0.0618f, -0.1902f,
    0.2828f, 0.1618f, -0.1176f,
};
constexpr auto kPentagonFirstDifference = differenceOf(kPentagonFirstStrict, kPentagonFirstControlled);

// Pentagon, second order: 5 speakers x W, X, Y, U, V.
constexpr float kPentagonSecondStrict[] = {
    0.2828f, 0.3236f, 0.2351f, 0.1236f, 0.3804f,
    0.2828f, -0.1236f, 0.3804f, -0.3236f, -0.2351f,
    0.2828f, -0.4000f, 0.0000f, 0.4000f, 0.0000f,
    0.2828f, -0.1236f, -0.3804f, -0.3236f, 0.2351f,
    0.2828f, 0.3236f, -0.2351f, 0.1236f, -0.3804f,
};
constexpr float kPentagonSecondControlled[] = {
    0.2828f, 0.2227f, 0.1618f, 0.0238f, 0.0733f,
    0.2828f, -0.0851f, 0.2619f, -0.0624f, -0.0453f,
    0.2828f, -0.2753f, 0.0000f, 0.0771f, 0.0000f,
    0.2828f, -0.0851f, -0.2619f, -0.0624f, 0.0453f,
    0.2828f, 0.2227f, -0.1618f, 0.0238f, -0.0733f,
};
constexpr auto kPentagonSecondDifference = differenceOf(kPentagonSecondStrict, kPentagonSecondControlled);

// Hexagon, first order: 6 speakers x W, X, Y.
constexpr float kHexagonFirstStrict[] = {
    0.2357f, 0.2887f, 0.1667f,
    0.2357f, 0.0000f, 0.3333f,
    0.2357f, -0.2887f, 0.1667f,
    0.2357f, -0.2887f, -0.1667f,
    0.2357f, 0.0000f, -0.3333f,
    0.2357f, 0.2887f, -0.1667f,
};
constexpr float kHexagonFirstControlled[] = {
    0.2357f, 0.1443f, 0.0833f,
    0.2357f, 0.0000f, 0.1667f,
    0.2357f, -0.1443f, 0.0833f,
    0.2357f, -0.1443f, -0.0833f,
    0.2357f, 0.0000f, -0.1667f,
    0.2357f, 0.1443f, -0.0833f,
};
constexpr auto kHexagonFirstDifference = differenceOf(kHexagonFirstStrict, kHexagonFirstControlled);

// Hexagon, second order: 6 speakers x W, X, Y, U, V.
constexpr float kHexagonSecondStrict[] = {
    0.2357f, 0.2887f, 0.1667f, 0.1667f, 0.2887f,
    0.2357f, 0.0000f, 0.3333f, -0.3333f, 0.0000f,
    0.2357f, -0.2887f, 0.1667f, 0.1667f, -0.2887f,
    0.2357f, -0.2887f, -0.1667f, 0.1667f, 0.2887f,
    0.2357f, 0.0000f, -0.3333f, -0.3333f, 0.0000f,
    0.2357f, 0.2887f, -0.1667f, 0.1667f, -0.2887f,
};
constexpr float kHexagonSecondControlled[] = {
    0.2357f, 0.1987f, 0.1147f, 0.0321f, 0.0556f,
    0.2357f, 0.0000f, 0.2294f, -0.0643f, 0.0000f,
    0.2357f, -0.1987f, 0.1147f, 0.0321f, -0.0556f,
    0.2357f, -0.1987f, -0.1147f, 0.0321f, 0.0556f,
    0.2357f, 0.0000f, -0.2294f, -0.0643f, 0.0000f,
    0.2357f, 0.1987f, -0.1147f, 0.0321f, -0.0556f,
};
constexpr auto kHexagonSecondDifference = differenceOf(kHexagonSecondStrict, kHexagonSecondControlled);

// Octagon 1, first order: 8 speakers x W, X, Y.
constexpr float kOctagon1FirstStrict[] = {
    0.1768f, 0.2310f, 0.0957f,
    0.1768f, 0.0957f, 0.2310f,
    0.1768f, -0.0957f, 0.2310f,
    0.1768f, -0.2310f, 0.0957f,
    0.1768f, -0.2310f, -0.0957f,
    0.1768f, -0.0957f, -0.2310f,
    0.1768f, 0.0957f, -0.2310f,
    0.1768f, 0.2310f, -0.0957f,
};
constexpr float kOctagon1FirstControlled[] = {
    0.1768f, 0.1155f, 0.0478f,
    0.1768f, 0.0478f, 0.1155f,
    0.1768f, -0.0478f, 0.1155f,
    0.1768f, -0.1155f, 0.0478f,
    0.1768f, -0.1155f, -0.0478f,
    0.1768f, -0.0478f, -0.1155f,
    0.1768f, 0.0478f, -0.1155f,
    0.1768f, 0.1155f, -0.0478f,
};
constexpr auto kOctagon1FirstDifference = differenceOf(kOctagon1FirstStrict, kOctagon1FirstControlled);

// Octagon 1, second order: 8 speakers x W, X, Y, U, V.
constexpr float kOctagon1SecondStrict[] = {
    0.1768f, 0.2310f, 0.0957f, 0.1768f, 0.1768f,
    0.1768f, 0.0957f, 0.2310f, -0.1768f, 0.1768f,
    0.1768f, -0.0957f, 0.2310f, -0.1768f, -0.1768f,
    0.1768f, -0.2310f, 0.0957f, 0.1768f, -0.1768f,
    0.1768f, -0.2310f, -0.0957f, 0.1768f, 0.1768f,
    0.1768f, -0.0957f, -0.2310f, -0.1768f, 0.1768f,
    0.1768f, 0.0957f, -0.2310f, -0.1768f, -0.1768f,
    0.1768f, 0.2310f, -0.0957f, 0.1768f, -0.1768f,
};
constexpr float kOctagon1SecondControlled[] = {
    0.1768f, 0.1591f, 0.0659f, 0.0342f, 0.0342f,
    0.1768f, 0.0659f, 0.1591f, -0.0342f, 0.0342f,
    0.1768f, -0.0659f, 0.1591f, -0.0342f, -0.0342f,
    0.1768f, -0.1591f, 0.0659f, 0.0342f, -0.0342f,
    0.1768f, -0.1591f, -0.0659f, 0.0342f, 0.0342f,
    0.1768f, -0.0659f, -0.1591f, -0.0342f, 0.0342f,
    0.1768f, 0.0659f, -0.1591f, -0.0342f, -0.0342f,
    0.1768f, 0.1591f, -0.0659f, 0.0342f, -0.0342f,
};
constexpr auto kOctagon1SecondDifference = differenceOf(kOctagon1SecondStrict, kOctagon1SecondControlled);

// Octagon 2, first order: 8 speakers x W, X, Y.
constexpr float kOctagon2FirstStrict[] = {
    0.1768f, 0.2500f, 0.0000f,
    0.1768f, 0.1768f, 0.1768f,
    0.1768f, 0.0000f, 0.2500f,
    0.1768f, -0.1768f, 0.1768f,
    0.1768f, -0.2500f, 0.0000f,
    0.1768f, -0.1768f, -0.1768f,
    0.1768f, 0.0000f, -0.2500f,
    0.1768f, 0.1768f, -0.1768f,
};
constexpr float kOctagon2FirstControlled[] = {
    0.1768f, 0.1250f, 0.0000f,
    0.1768f, 0.0884f, 0.0884f,
    0.1768f, 0.0000f, 0.1250f,
    0.1768f, -0.0884f, 0.0884f,
    0.1768f, -0.1250f, 0.0000f,
    0.1768f, -0.0884f, -0.0884f,
    0.1768f, 0.0000f, -0.1250f,
    0.1768f, 0.0884f, -0.0884f,
};
constexpr auto kOctagon2FirstDifference = differenceOf(kOctagon2FirstStrict, kOctagon2FirstControlled);

// Octagon 2, second order: 8 speakers x W, X, Y, U, V.
constexpr float kOctagon2SecondStrict[] = {
    0.1768f, 0.2500f, 0.0000f, 0.2500f, 0.0000f,
    0.1768f, 0.1768f, 0.1768f, 0.0000f, 0.2500f,
    0.1768f, 0.0000f, 0.2500f, -0.2500f, 0.0000f,
    0.1768f, -0.1768f, 0.1768f, 0.0000f, -0.2500f,
    0.1768f, -0.2500f, 0.0000f, 0.2500f, 0.0000f,
    0.1768f, -0.1768f, -0.1768f, 0.0000f, 0.2500f,
    0.1768f, 0.0000f, -0.2500f, -0.2500f, 0.0000f,
    0.1768f, 0.1768f, -0.1768f, 0.0000f, -0.2500f,
};
constexpr float kOctagon2SecondControlled[] = {
    0.1768f, 0.1721f, 0.0000f, 0.0482f, 0.0000f,
    0.1768f, 0.1217f, 0.1217f, 0.0000f, 0.0482f,
    0.1768f, 0.0000f, 0.1721f, -0.0482f, 0.0000f,
    0.1768f, -0.1217f, 0.1217f, 0.0000f, -0.0482f,
    0.1768f, -0.1721f, 0.0000f, 0.0482f, 0.0000f,
    0.1768f, -0.1217f, -0.1217f, 0.0000f, 0.0482f,
    0.1768f, 0.0000f, -0.1721f, -0.0482f, 0.0000f,
    0.1768f, 0.1217f, -0.1217f, 0.0000f, -0.0482f,
};
constexpr auto kOctagon2SecondDifference = differenceOf(kOctagon2SecondStrict, kOctagon2SecondControlled);

// Surround, first order: 5 speakers x W, X, Y.
constexpr float kSurroundFirstStrict[] = {
    0.1690f, 0.2238f, 0.2500f,
    0.1635f, 0.2591f, 0.0000f,
    0.1690f, 0.2238f, -0.2500f,
    0.4563f, -0.3533f, 0.4330f,
    0.4563f, -0.3533f, -0.4330f,
};
constexpr float kSurroundFirstControlled[] = {
    0.1690f, 0.0797f, 0.0891f,
    0.1635f, 0.0923f, 0.0000f,
    0.1690f, 0.0797f, -0.0891f,
    0.4563f, -0.1259f, 0.1543f,
    0.4563f, -0.1259f, -0.1543f,
};
constexpr auto kSurroundFirstDifference = differenceOf(kSurroundFirstStrict, kSurroundFirstControlled);

// Surround, second order: 5 speakers x W, X, Y, U, V.
constexpr float kSurroundSecondStrict[] = {
    0.0000f, 1.3660f, 0.3660f, -1.3660f, 0.3660f,
    0.4714f, -1.8214f, 0.0000f, 2.4880f, 0.0000f,
    0.0000f, 1.3660f, -0.3660f, -1.3660f, -0.3660f,
    0.4714f, -0.4553f, 0.3660f, 0.1220f, -0.2113f,
    0.4714f, -0.4553f, -0.3660f, 0.1220f, 0.2113f,
};
constexpr float kSurroundSecondControlled[] = {
    0.0000f, 1.3660f, 0.3660f, -1.3660f, 0.3660f,
    0.4714f, -1.8214f, 0.0000f, 2.4880f, 0.0000f,
    0.0000f, 1.3660f, -0.3660f, -1.3660f, -0.3660f,
    0.4714f, -0.4553f, 0.3660f, 0.1220f, -0.2113f,
    0.4714f, -0.4553f, -0.3660f, 0.1220f, 0.2113f,
};
constexpr auto kSurroundSecondDifference = differenceOf(kSurroundSecondStrict, kSurroundSecondControlled);

// Cube, first order: 8 speakers x W, X, Y, Z.
constexpr float kCubeFirstStrict[] = {
    0.1768f, 0.2165f, 0.2165f, -0.2165f,
    0.1768f, 0.2165f, -0.2165f, -0.2165f,
    0.1768f, -0.2165f, -0.2165f, -0.2165f,
    0.1768f, -0.2165f, 0.2165f, -0.2165f,
    0.1768f, 0.2165f, 0.2165f, 0.2165f,
    0.1768f, 0.2165f, -0.2165f, 0.2165f,
    0.1768f, -0.2165f, -0.2165f, 0.2165f,
    0.1768f, -0.2165f, 0.2165f, 0.2165f,
};
constexpr float kCubeFirstControlled[] = {
    0.1768f, 0.0722f, 0.0722f, -0.0722f,
    0.1768f, 0.0722f, -0.0722f, -0.0722f,
    0.1768f, -0.0722f, -0.0722f, -0.0722f,
    0.1768f, -0.0722f, 0.0722f, -0.0722f,
    0.1768f, 0.0722f, 0.0722f, 0.0722f,
    0.1768f, 0.0722f, -0.0722f, 0.0722f,
    0.1768f, -0.0722f, -0.0722f, 0.0722f,
    0.1768f, -0.0722f, 0.0722f, 0.0722f,
};
constexpr auto kCubeFirstDifference = differenceOf(kCubeFirstStrict, kCubeFirstControlled);

// Cube, second order: 8 speakers x W, X, Y, Z, S, T, U, V.
constexpr float kCubeSecondStrict[] = {
    0.1768f, 0.2165f, 0.2165f, -0.2165f, -0.1875f, -0.1875f, 0.0000f, 0.1875f,
    0.1768f, 0.2165f, -0.2165f, -0.2165f, -0.1875f, 0.1875f, 0.0000f, -0.1875f,
    0.1768f, -0.2165f, -0.2165f, -0.2165f, 0.1875f, 0.1875f, 0.0000f, 0.1875f,
    0.1768f, -0.2165f, 0.2165f, -0.2165f, 0.1875f, -0.1875f, 0.0000f, -0.1875f,
    0.1768f, 0.2165f, 0.2165f, 0.2165f, 0.1875f, 0.1875f, 0.0000f, 0.1875f,
    0.1768f, 0.2165f, -0.2165f, 0.2165f, 0.1875f, -0.1875f, 0.0000f, -0.1875f,
    0.1768f, -0.2165f, -0.2165f, 0.2165f, -0.1875f, -0.1875f, 0.0000f, 0.1875f,
    0.1768f, -0.2165f, 0.2165f, 0.2165f, -0.1875f, 0.1875f, 0.0000f, -0.1875f,
};
constexpr float kCubeSecondControlled[] = {
    0.1768f, 0.1140f, 0.1140f, -0.1140f, -0.0369f, -0.0369f, 0.0000f, 0.0369f,
    0.1768f, 0.1140f, -0.1140f, -0.1140f, -0.0369f, 0.0369f, 0.0000f, -0.0369f,
    0.1768f, -0.1140f, -0.1140f, -0.1140f, 0.0369f, 0.0369f, 0.0000f, 0.0369f,
    0.1768f, -0.1140f, 0.1140f, -0.1140f, 0.0369f, -0.0369f, 0.0000f, -0.0369f,
    0.1768f, 0.1140f, 0.1140f, 0.1140f, 0.0369f, 0.0369f, 0.0000f, 0.0369f,
    0.1768f, 0.1140f, -0.1140f, 0.1140f, 0.0369f, -0.0369f, 0.0000f, -0.0369f,
    0.1768f, -0.1140f, -0.1140f, 0.1140f, -0.0369f, -0.0369f, 0.0000f, 0.0369f,
    0.1768f, -0.1140f, 0.1140f, 0.1140f, -0.0369f, 0.0369f, 0.0000f, -0.0369f,
};
constexpr auto kCubeSecondDifference = differenceOf(kCubeSecondStrict, kCubeSecondControlled);

// Dodecahedron 1, first order: 12 speakers x W, X, Y, Z.
constexpr float kDodecahedron1FirstStrict[] = {
    0.1179f, 0.0000f, 0.0000f, 0.2500f,
    0.1179f, 0.0000f, 0.0000f, -0.2500f,
    0.1179f, 0.1809f, 0.1314f, 0.1118f,
    0.1179f, -0.1809f, -0.1314f, -0.1118f,
    0.1179f, 0.1809f, -0.1314f, 0.1118f,
    0.1179f, -0.1809f, 0.1314f, -0.1118f,
    0.1179f, -0.0691f, 0.2127f, 0.1118f,
    0.1179f, 0.0691f, -0.2127f, -0.1118f,
    0.1179f, -0.0691f, -0.2127f, 0.1118f,
    0.1179f, 0.0691f, 0.2127f, -0.1118f,
    0.1179f, -0.2236f, 0.0000f, 0.1118f,
    0.1179f, 0.2236f, 0.0000f, -0.1118f,
};
constexpr float kDodecahedron1FirstControlled[] = {
    0.1179f, 0.0000f, 0.0000f, 0.0833f,
    0.1179f, 0.0000f, 0.0000f, -0.0833f,
    0.1179f, 0.0603f, 0.0438f, 0.0373f,
    0.1179f, -0.0603f, -0.0438f, -0.0373f,
    0.1179f, 0.0603f, -0.0438f, 0.0373f,
    0.1179f, -0.0603f, 0.0438f, -0.0373f,
    0.1179f, -0.0230f, 0.0709f, 0.0373f,
    0.1179f, 0.0230f, -0.0709f, -0.0373f,
    0.1179f, -0.0230f, -0.0709f, 0.0373f,
    0.1179f, 0.0230f, 0.0709f, -0.0373f,
    0.1179f, -0.0745f, 0.0000f, 0.0373f,
    0.1179f, 0.0745f, 0.0000f, -0.0373f,
};
constexpr auto kDodecahedron1FirstDifference = differenceOf(kDodecahedron1FirstStrict, kDodecahedron1FirstControlled);

// Dodecahedron 1, second order: 12 speakers x W, X, Y, Z, R, S, T, U, V.
constexpr float kDodecahedron1SecondStrict[] = {
    0.1179f, 0.0000f, 0.0000f, 0.2500f, 0.4167f, 0.0000f, 0.0000f, 0.0000f, 0.0000f,
    0.1179f, 0.0000f, 0.0000f, -0.2500f, 0.4167f, 0.0000f, 0.0000f, 0.0000f, 0.0000f,
    0.1179f, 0.1809f, 0.1314f, 0.1118f, -0.0833f, 0.2023f, 0.1469f, 0.0773f, 0.2378f,
    0.1179f, -0.1809f, -0.1314f, -0.1118f, -0.0833f, 0.2023f, 0.1469f, 0.0773f, 0.2378f,
    0.1179f, 0.1809f, -0.1314f, 0.1118f, -0.0833f, 0.2023f, -0.1469f, 0.0773f, -0.2378f,
    0.1179f, -0.1809f, 0.1314f, -0.1118f, -0.0833f, 0.2023f, -0.1469f, 0.0773f, -0.2378f,
    0.1179f, -0.0691f, 0.2127f, 0.1118f, -0.0833f, -0.0773f, 0.2378f, -0.2023f, -0.1469f,
    0.1179f, 0.0691f, -0.2127f, -0.1118f, -0.0833f, -0.0773f, 0.2378f, -0.2023f, -0.1469f,
    0.1179f, -0.0691f, -0.2127f, 0.1118f, -0.0833f, -0.0773f, -0.2378f, -0.2023f, 0.1469f,
    0.1179f, 0.0691f, 0.2127f, -0.1118f, -0.0833f, -0.0773f, -0.2378f, -0.2023f, 0.1469f,
    0.1179f, -0.2236f, 0.0000f, 0.1118f, -0.0833f, -0.2500f, 0.0000f, 0.2500f, 0.0000f,
    0.1179f, 0.2236f, 0.0000f, -0.1118f, -0.0833f, -0.2500f, 0.0000f, 0.2500f, 0.0000f,
};
constexpr float kDodecahedron1SecondControlled[] = {
    0.1179f, 0.0000f, 0.0000f, 0.1316f, 0.0491f, 0.0000f, 0.0000f, 0.0000f, 0.0000f,
    0.1179f, 0.0000f, 0.0000f, -0.1316f, 0.0491f, 0.0000f, 0.0000f, 0.0000f, 0.0000f,
    0.1179f, 0.0952f, 0.0692f, 0.0589f, -0.0098f, 0.0238f, 0.0173f, 0.0091f, 0.0280f,
    0.1179f, -0.0952f, -0.0692f, -0.0589f, -0.0098f, 0.0238f, 0.0173f, 0.0091f, 0.0280f,
    0.1179f, 0.0952f, -0.0692f, 0.0589f, -0.0098f, 0.0238f, -0.0173f, 0.0091f, -0.0280f,
    0.1179f, -0.0952f, 0.0692f, -0.0589f, -0.0098f, 0.0238f, -0.0173f, 0.0091f, -0.0280f,
    0.1179f, -0.0364f, 0.1119f, 0.0589f, -0.0098f, -0.0091f, 0.0280f, -0.0238f, -0.0173f,
    0.1179f, 0.0364f, -0.1119f, -0.0589f, -0.0098f, -0.0091f, 0.0280f, -0.0238f, -0.0173f,
    0.1179f, -0.0364f, -0.1119f, 0.0589f, -0.0098f, -0.0091f, -0.0280f, -0.0238f, 0.0173f,
    0.1179f, 0.0364f, 0.1119f, -0.0589f, -0.0098f, -0.0091f, -0.0280f, -0.0238f, 0.0173f,
    0.1179f, -0.1177f, 0.0000f, 0.0589f, -0.0098f, -0.0295f, 0.0000f, 0.0295f, 0.0000f,
    0.1179f, 0.1177f, 0.0000f, -0.0589f, -0.0098f, -0.0295f, 0.0000f, 0.0295f, 0.0000f,
};
constexpr auto kDodecahedron1SecondDifference = differenceOf(kDodecahedron1SecondStrict, kDodecahedron1SecondControlled);

// Dodecahedron 2, first order: 12 speakers x W, X, Y, Z.
constexpr float kDodecahedron2FirstStrict[] = {
    0.1179f, 0.2500f, 0.0000f, 0.0000f,
    0.1179f, -0.2500f, 0.0000f, 0.0000f,
    0.1179f, 0.1118f, 0.0000f, -0.2236f,
    0.1179f, -0.1118f, 0.0000f, 0.2236f,
    0.1179f, 0.1118f, 0.2127f, -0.0691f,
    0.1179f, -0.1118f, -0.2127f, 0.0691f,
    0.1179f, 0.1118f, -0.2127f, -0.0691f,
    0.1179f, -0.1118f, 0.2127f, 0.0691f,
    0.1179f, 0.1118f, 0.1314f, 0.1809f,
    0.1179f, -0.1118f, -0.1314f, -0.1809f,
    0.1179f, 0.1118f, -0.1314f, 0.1809f,
    0.1179f, -0.1118f, 0.1314f, -0.1809f,
};
constexpr float kDodecahedron2FirstControlled[] = {
    0.1179f, 0.0833f, 0.0000f, 0.0000f,
    0.1179f, -0.0833f, 0.0000f, 0.0000f,
    0.1179f, 0.0373f, 0.0000f, -0.0745f,
    0.1179f, -0.0373f, 0.0000f, 0.0745f,
    0.1179f, 0.0373f, 0.0709f, -0.0230f,
    0.1179f, -0.0373f, -0.0709f, 0.0230f,
    0.1179f, 0.0373f, -0.0709f, -0.0230f,
    0.1179f, -0.0373f, 0.0709f, 0.0230f,
    0.1179f, 0.0373f, 0.0438f, 0.0603f,
    0.1179f, -0.0373f, -0.0438f, -0.0603f,
    0.1179f, 0.0373f, -0.0438f, 0.0603f,
    0.1179f, -0.0373f, 0.0438f, -0.0603f,
};
constexpr auto kDodecahedron2FirstDifference = differenceOf(kDodecahedron2FirstStrict, kDodecahedron2FirstControlled);

// Dodecahedron 2, second order: 12 speakers x W, X, Y, Z, R, S, T, U, V.
constexpr float kDodecahedron2SecondStrict[] = {
    0.1179f, 0.2500f, 0.0000f, 0.0000f, -0.2083f, 0.0000f, 0.0000f, 0.3125f, 0.0000f,
    0.1179f, -0.2500f, 0.0000f, 0.0000f, -0.2083f, 0.0000f, 0.0000f, 0.3125f, 0.0000f,
    0.1179f, 0.1118f, 0.0000f, -0.2236f, 0.2917f, -0.2500f, 0.0000f, 0.0625f, 0.0000f,
    0.1179f, -0.1118f, 0.0000f, 0.2236f, 0.2917f, -0.2500f, 0.0000f, 0.0625f, 0.0000f,
    0.1179f, 0.1118f, 0.2127f, -0.0691f, -0.1606f, -0.0773f, -0.1469f, -0.1636f, 0.2378f,
    0.1179f, -0.1118f, -0.2127f, 0.0691f, -0.1606f, -0.0773f, -0.1469f, -0.1636f, 0.2378f,
    0.1179f, 0.1118f, -0.2127f, -0.0691f, -0.1606f, -0.0773f, 0.1469f, -0.1636f, -0.2378f,
    0.1179f, -0.1118f, 0.2127f, 0.0691f, -0.1606f, -0.0773f, 0.1469f, -0.1636f, -0.2378f,
    0.1179f, 0.1118f, 0.1314f, 0.1809f, 0.1189f, 0.2023f, 0.2378f, -0.0239f, 0.1469f,
    0.1179f, -0.1118f, -0.1314f, -0.1809f, 0.1189f, 0.2023f, 0.2378f, -0.0239f, 0.1469f,
    0.1179f, 0.1118f, -0.1314f, 0.1809f, 0.1189f, 0.2023f, -0.2378f, -0.0239f, -0.1469f,
    0.1179f, -0.1118f, 0.1314f, -0.1809f, 0.1189f, 0.2023f, -0.2378f, -0.0239f, -0.1469f,
};
constexpr float kDodecahedron2SecondControlled[] = {
    0.1179f, 0.1316f, 0.0000f, 0.0000f, -0.0246f, 0.0000f, 0.0000f, 0.0368f, 0.0000f,
    0.1179f, -0.1316f, 0.0000f, 0.0000f, -0.0246f, 0.0000f, 0.0000f, 0.0368f, 0.0000f,
    0.1179f, 0.0589f, 0.0000f, -0.1177f, 0.0344f, -0.0295f, 0.0000f, 0.0074f, 0.0000f,
    0.1179f, -0.0589f, 0.0000f, 0.1177f, 0.0344f, -0.0295f, 0.0000f, 0.0074f, 0.0000f,
    0.1179f, 0.0589f, 0.1119f, -0.0364f, -0.0189f, -0.0091f, -0.0173f, -0.0193f, 0.0280f,
    0.1179f, -0.0589f, -0.1119f, 0.0364f, -0.0189f, -0.0091f, -0.0173f, -0.0193f, 0.0280f,
    0.1179f, 0.0589f, -0.1119f, -0.0364f, -0.0189f, -0.0091f, 0.0173f, -0.0193f, -0.0280f,
    0.1179f, -0.0589f, 0.1119f, 0.0364f, -0.0189f, -0.0091f, 0.0173f, -0.0193f, -0.0280f,
    0.1179f, 0.0589f, 0.0692f, 0.0952f, 0.0140f, 0.0238f, 0.0280f, -0.0028f, 0.0173f,
    0.1179f, -0.0589f, -0.0692f, -0.0952f, 0.0140f, 0.0238f, 0.0280f, -0.0028f, 0.0173f,
    0.1179f, 0.0589f, -0.0692f, 0.0952f, 0.0140f, 0.0238f, -0.0280f, -0.0028f, -0.0173f,
    0.1179f, -0.0589f, 0.0692f, -0.0952f, 0.0140f, 0.0238f, -0.0280f, -0.0028f, -0.0173f,
};
constexpr auto kDodecahedron2SecondDifference = differenceOf(kDodecahedron2SecondStrict, kDodecahedron2SecondControlled);

// clang-format on

template <std::size_t n, std::size_t c>
constexpr RigTable makeTable(const int (&channels)[c], const float (&strict)[n], const float (&controlled)[n],
                             const std::array<float, n>& difference) {
    static_assert(n % c == 0, "whole rows");
    return RigTable{static_cast<int>(n / c), static_cast<int>(c), channels, strict, controlled, difference.data()};
}

// [rig index][0 = first order, 1 = second order]; rigs 0 and 7 have none.
constexpr RigTable kNoTable{0, 0, nullptr, nullptr, nullptr, nullptr};
constexpr RigTable kTables[kRigCount][2] = {
    {kNoTable, kNoTable},
    {makeTable(kHorizontalFirst, kSquareFirstStrict, kSquareFirstControlled, kSquareFirstDifference),
     makeTable(kHorizontalSecond, kSquareSecondStrict, kSquareSecondControlled, kSquareSecondDifference)},
    {makeTable(kHorizontalFirst, kPentagonFirstStrict, kPentagonFirstControlled, kPentagonFirstDifference),
     makeTable(kHorizontalSecond, kPentagonSecondStrict, kPentagonSecondControlled, kPentagonSecondDifference)},
    {makeTable(kHorizontalFirst, kHexagonFirstStrict, kHexagonFirstControlled, kHexagonFirstDifference),
     makeTable(kHorizontalSecond, kHexagonSecondStrict, kHexagonSecondControlled, kHexagonSecondDifference)},
    {makeTable(kHorizontalFirst, kOctagon1FirstStrict, kOctagon1FirstControlled, kOctagon1FirstDifference),
     makeTable(kHorizontalSecond, kOctagon1SecondStrict, kOctagon1SecondControlled, kOctagon1SecondDifference)},
    {makeTable(kHorizontalFirst, kOctagon2FirstStrict, kOctagon2FirstControlled, kOctagon2FirstDifference),
     makeTable(kHorizontalSecond, kOctagon2SecondStrict, kOctagon2SecondControlled, kOctagon2SecondDifference)},
    {makeTable(kHorizontalFirst, kSurroundFirstStrict, kSurroundFirstControlled, kSurroundFirstDifference),
     makeTable(kHorizontalSecond, kSurroundSecondStrict, kSurroundSecondControlled, kSurroundSecondDifference)},
    {kNoTable, kNoTable},
    {makeTable(kPeriphonicFirst, kCubeFirstStrict, kCubeFirstControlled, kCubeFirstDifference),
     makeTable(kCubeSecondChannels, kCubeSecondStrict, kCubeSecondControlled, kCubeSecondDifference)},
    {makeTable(kPeriphonicFirst, kDodecahedron1FirstStrict, kDodecahedron1FirstControlled,
               kDodecahedron1FirstDifference),
     makeTable(kAllChannels, kDodecahedron1SecondStrict, kDodecahedron1SecondControlled,
               kDodecahedron1SecondDifference)},
    {makeTable(kPeriphonicFirst, kDodecahedron2FirstStrict, kDodecahedron2FirstControlled,
               kDodecahedron2FirstDifference),
     makeTable(kAllChannels, kDodecahedron2SecondStrict, kDodecahedron2SecondControlled,
               kDodecahedron2SecondDifference)},
};

constexpr int kSpeakerCounts[kRigCount] = {2, 4, 5, 6, 8, 8, 5, 0, 8, 12, 12};

}  // namespace

const RigTable* rigTableFor(float rigValue, bool firstOrder) {
    if (!(rigValue >= 1.0f && rigValue <= 10.0f)) return nullptr;
    const int index = static_cast<int>(rigValue);
    if (static_cast<float>(index) != rigValue) return nullptr;
    const RigTable& table = kTables[index][firstOrder ? 0 : 1];
    return table.speakerCount > 0 ? &table : nullptr;
}

int speakerCountForRig(float rigValue) {
    // Truncation towards zero; the range test also rejects NaN and values too large for int.
    if (!(rigValue > -1.0f && rigValue < static_cast<float>(kRigCount))) return 0;
    return kSpeakerCounts[static_cast<int>(rigValue)];
}

}  // namespace rig
