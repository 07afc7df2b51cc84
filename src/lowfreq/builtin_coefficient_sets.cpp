#include "lowfreq/builtin_coefficient_sets.h"

namespace qv {

namespace {

// OCIMF 1977 wind, conventional and cylindrical bow at load 32: the CY and CMZ rows are common.
constexpr CoefRow kOcimfWind32Cy = {-0.9692f, -0.04313f, 0.01603f, 0.01219f, 0.005524f, 0.01249f,
                                    0.008893f, 0.007148f, 0.003339f, 0.002461f, 0.0f};
constexpr CoefRow kOcimfWind32Cmz = {0.04813f, -0.1109f, 0.01608f, 0.001259f, 0.001396f, -0.00269f,
                                     -0.002955f, 0.001982f, -0.001301f, 8.464E-5f, 0.0f};
// OCIMF 1977 wind at load 100: one set for either bow.
constexpr CoefSet kOcimfWind100 = {{
    {-0.02806f, -0.7863f, -0.04897f, -0.07696f, 0.01399f, 0.003095f, -0.01884f, 0.006042f, -0.007423f,
     0.0004885f, -0.004565f},
    {-0.7402f, 0.05253f, -0.003032f, 0.02087f, 0.01984f, -0.001905f, 0.00321f, -0.005602f, 0.001051f,
     -0.003536f, 0.0f},
    {0.1362f, -0.05449f, 0.01957f, -0.007275f, -0.003993f, 0.001053f, -2.165E-6f, -0.0001328f, -0.0009834f,
     0.001339f, 0.0f},
}};

// OCIMF 1977 current at h = 6.0: one set for either bow, also the deep-water load-100 set of NSMB 1991.
constexpr CoefSet kOcimfCurrentDeep = {{
    {0.01083f, -0.006491f, 0.01621f, -0.05631f, -0.01387f, -0.03514f, -0.01193f, 0.01145f, 0.00913f,
     0.001148f, -0.004033f},
    {-0.557f, 0.007396f, 0.03373f, -0.002564f, 0.004258f, 0.000966f, 0.003909f, -2.635E-5f, 0.00329f,
     0.001654f, 0.0f},
    {0.01848f, -0.06833f, 0.003034f, -0.002769f, 0.001625f, -0.003839f, 0.0006129f, -0.0005027f, 0.002184f,
     -0.001193f, 0.0f},
}};
// OCIMF 1977 current at h = 1.05: the CY row of either bow (also NSMB 1991 load 100 at h = 1.05).
constexpr CoefRow kOcimfCurrentShallowCy = {-3.092f, -0.08679f, 0.1204f, -0.08821f, -0.1563f, -0.0261f,
                                            -0.1043f, 0.01875f, -0.0381f, 0.0486f, 0.0f};

}  // namespace

const BuiltinWindSets kBuiltinWindSets = {
    // Small tankers, load 32 and load 100.
    {{
        {{
            {-0.00482f, -0.483f, 0.0263f, 0.0178f, -0.0257f, -0.000669f, -0.00739f, 0.0295f, -0.00961f, 0.0112f,
             -0.00847f},
            {-0.913f, -0.0175f, 0.0282f, 0.0114f, 0.00509f, 0.00675f, 0.0321f, 0.00229f, -0.00764f, 0.00365f, 0.0f},
            {-0.000354f, -0.0721f, 0.00276f, -0.00375f, -0.00349f, 0.0095f, -0.00397f, -0.000641f, -0.000117f,
             -0.00112f, 0.0f},
        }},
        {{
            {-0.0129f, -0.526f, 0.00962f, 0.0525f, -0.0127f, -0.00213f, -0.0196f, 0.0162f, -0.00936f, 0.00298f,
             -0.00783f},
            {-0.76f, -0.0156f, -0.00167f, 0.000561f, 0.0387f, 0.00868f, 0.0099f, 0.00699f, 4.6E-5f, -0.000639f, 0.0f},
            {0.0247f, -0.0434f, 0.00163f, 0.00108f, -0.000152f, -0.000386f, -0.00217f, 0.000399f, -0.000326f,
             0.000179f, 0.0f},
        }},
    }},
    // OCIMF 1977: load 32 (conventional, cylindrical bow), load 100 (either bow).
    {{
        {{
            {{
                {0.02111f, -0.6009f, -0.04057f, -0.107f, -0.06188f, -0.01402f, -0.01166f, -0.007481f, -0.01583f,
                 -0.003408f, -0.006809f},
                kOcimfWind32Cy,
                kOcimfWind32Cmz,
            }},
            {{
                {0.1389f, -0.5247f, -0.2038f, -0.259f, -0.02679f, 0.09301f, 0.01056f, -0.04646f, -0.02756f, 0.01074f,
                 -0.007486f},
                kOcimfWind32Cy,
                kOcimfWind32Cmz,
            }},
        }},
        {{kOcimfWind100, kOcimfWind100}},
    }},
};

namespace {

constexpr BuiltinCurrentSets knownCurrentRows() {
  BuiltinCurrentSets s{};
  s.ocimf77[kOcimfCurrentNodes - 1] = {kOcimfCurrentDeep, kOcimfCurrentDeep};
  s.ocimf77[0][0][0] = {0.003055f, -0.1225f, 0.08303f, 0.08637f, 0.01086f, 0.01682f, -0.0621f, -0.03322f,
                        -0.007458f, -0.02473f, -0.01284f};
  for (int bow = 0; bow < kBowNodes; ++bow) {
    s.ocimf77[0][bow][1] = kOcimfCurrentShallowCy;
    s.nsmb91[0][0][bow][1] = kOcimfCurrentShallowCy;
  }
  s.nsmb91Deep40[1] = {-0.4842f, 0.001639f, 0.01905f, 0.001543f, 0.006611f, 0.002407f, 0.003051f, 0.000344f,
                       -3.116E-6f, -0.001903f, 0.0f};
  s.nsmbMeanCx = {0.006431f, -0.05182f, 4.605E-5f, -0.005927f, 0.0002834f, 0.009199f, 0.0003692f, 0.002482f,
                  0.0009048f, -0.00112f, -0.0001048f};
  s.extremeBow91 = {{
      {0.0937f, -0.033f, -0.0558f, 0.103f, -0.0346f, -0.0508f, -0.0535f, -0.0458f, -0.00268f, -0.0141f, 0.0149f},
      {-2.44f, -0.127f, 0.0477f, -0.0245f, -0.0416f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
      {0.111f, -0.27f, -0.0128f, -0.0663f, 0.00702f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
  }};
  return s;
}

}  // namespace

const BuiltinCurrentSets kBuiltinCurrentSets = knownCurrentRows();

}  // namespace qv
