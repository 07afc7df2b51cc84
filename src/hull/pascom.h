// PASCOM, the wave-frequency response of the vessel handed to the mooring and low-frequency stages:
// hull terms of the moored vessel written by the hull models, per grid frequency and wave system the
// relative-motion and drag operators, and the statistics of the vessel motions. Arrays (kNarray, 3)
// are indexed (grid point, wave system: 1 wind sea, 2 swell, 3 second swell). Members that nothing
// in the program sets stay 0.
#pragma once

#include <cstdint>

#include "hull/himem.h"
#include "util/farray.h"

namespace qv {

struct Pascom {
  float CMSRG;                            // 1 + surge added-mass ratio of the moored hull [-]
  float CMSWY;                            // 1 + sway added-mass ratio of the moored hull [-]
  float CMYAW;                            // 1 + yaw added-mass ratio of the moored hull [-]
  float ACDSG;                            // mean surge drag coefficient of the waterline-crossing members [-]
  float ACDSW;                            // mean sway drag coefficient of the waterline-crossing members [-]
  float PTENDN;                           // tendon pitch stiffness per unit water density
  float RTENDN;                           // tendon roll stiffness per unit water density
  float HTENDN;                           // tendon heave stiffness per unit water density
  float VTCRPS;                           // height of the pitch centre of the column-stabilised hull [ft | m]
  float VTCRRS;                           // height of the roll centre of the column-stabilised hull [ft | m]
  float MENWLX;                           // effective waterline extent along x [ft | m]
  float MENWLY;                           // effective waterline extent along y [ft | m]
  float SRGGAM;                           // reserved
  float SWYGAM;                           // reserved
  float HEVGAM;                           // reserved
  float ROLGAM;                           // roll damping ratio at the heading of the largest waves [-]
  float PITGAM;                           // reserved
  float YAWGAM;                           // reserved
  float WFSRGF;                           // reserved
  float WFSWYF;                           // reserved
  float WFHEVF;                           // reserved
  float WFROLF;                           // natural roll frequency [rad/s]
  float WFPITF;                           // reserved
  float WFYAWF;                           // reserved
  float SRGSPR;                           // reserved
  float SWYSPR;                           // reserved
  float HEVSPR;                           // reserved
  float ROLSPR;                           // GMT times displacement [ft kips | m t]
  float PITSPR;                           // reserved
  float YAWSPR;                           // reserved
  float ROLARM;                           // height of the natural roll centre [ft | m]
  float WSGRMS;                           // RMS of the reference-point x motion
  float WSWRMS;                           // RMS of the reference-point y motion
  float WHVRMS;                           // RMS of the reference-point z motion
  float WRLRMS;                           // RMS of the roll
  float WPTRMS;                           // RMS of the pitch
  float WYWRMS;                           // RMS of the yaw
  float WSGRMSDOT;                        // RMS rate of the reference-point x motion
  float WSWRMSDOT;                        // RMS rate of the reference-point y motion
  float WHVRMSDOT;                        // RMS rate of the reference-point z motion
  float WRLRMSDOT;                        // RMS rate of the roll
  float WPTRMSDOT;                        // RMS rate of the pitch
  float WYWRMSDOT;                        // RMS rate of the yaw
  float WXGRMS;                           // RMS of the reference point's motion along earth x [ft | m]
  float WYGRMS;                           // RMS of the reference point's motion along earth y [ft | m]
  float WXGRMSDOT;                        // its RMS rate along earth x [ft/s | m/s]
  float WYGRMSDOT;                        // its RMS rate along earth y [ft/s | m/s]
  float GWSIG1;                           // RMS relative vertical motion at the bow [ft | m]
  float GWSIG2;                           // RMS relative vertical motion at the mooring point [ft | m]
  float GWSIG3;                           // RMS relative vertical motion (reserved) [ft | m]
  float GWSIG4;                           // RMS relative vertical motion (reserved) [ft | m]
  float GWSIG1DOT;                        // its RMS rate at the bow [ft/s | m/s]
  float GWSIG2DOT;                        // its RMS rate at the mooring point [ft/s | m/s]
  float GWSIG3DOT;                        // its RMS rate (reserved) [ft/s | m/s]
  float GWSIG4DOT;                        // its RMS rate (reserved) [ft/s | m/s]
  float GW1BANDW;                         // its bandwidth at the bow [Hz]
  float GW2BANDW;                         // its bandwidth at the mooring point [Hz]
  float GW3BANDW;                         // its bandwidth (reserved) [Hz]
  float GW4BANDW;                         // its bandwidth (reserved) [Hz]
  float GW1TPEAK;                         // its peak period at the bow [s]
  float GW2TPEAK;                         // its peak period at the mooring point [s]
  float GW3TPEAK;                         // its peak period (reserved) [s]
  float GW4TPEAK;                         // its peak period (reserved) [s]
  float ACXRMS1;                          // RMS x acceleration at point 1 [ft/s^2 | m/s^2]
  float ACYRMS1;                          // RMS y acceleration at point 1 [ft/s^2 | m/s^2]
  float ACZRMS1;                          // RMS z acceleration at point 1 [ft/s^2 | m/s^2]
  float ACXDOT1;                          // RMS rate of the x acceleration at point 1 [ft/s^3 | m/s^3]
  float ACYDOT1;                          // RMS rate of the y acceleration at point 1 [ft/s^3 | m/s^3]
  float ACZDOT1;                          // RMS rate of the z acceleration at point 1 [ft/s^3 | m/s^3]
  float ACX1BDW;                          // bandwidth of the x acceleration at point 1 [Hz]
  float ACY1BDW;                          // bandwidth of the y acceleration at point 1 [Hz]
  float ACZ1BDW;                          // bandwidth of the z acceleration at point 1 [Hz]
  float ACX1TPK;                          // peak period of the x acceleration at point 1 [s]
  float ACY1TPK;                          // peak period of the y acceleration at point 1 [s]
  float ACZ1TPK;                          // peak period of the z acceleration at point 1 [s]
  float ACXRMS2;                          // RMS x acceleration at point 2 [ft/s^2 | m/s^2]
  float ACYRMS2;                          // RMS y acceleration at point 2 [ft/s^2 | m/s^2]
  float ACZRMS2;                          // RMS z acceleration at point 2 [ft/s^2 | m/s^2]
  float ACXDOT2;                          // RMS rate of the x acceleration at point 2 [ft/s^3 | m/s^3]
  float ACYDOT2;                          // RMS rate of the y acceleration at point 2 [ft/s^3 | m/s^3]
  float ACZDOT2;                          // RMS rate of the z acceleration at point 2 [ft/s^3 | m/s^3]
  float ACX2BDW;                          // bandwidth of the x acceleration at point 2 [Hz]
  float ACY2BDW;                          // bandwidth of the y acceleration at point 2 [Hz]
  float ACZ2BDW;                          // bandwidth of the z acceleration at point 2 [Hz]
  float ACX2TPK;                          // peak period of the x acceleration at point 2 [s]
  float ACY2TPK;                          // peak period of the y acceleration at point 2 [s]
  float ACZ2TPK;                          // peak period of the z acceleration at point 2 [s]
  float ACXRMS3;                          // RMS x acceleration at point 3 (reserved) [ft/s^2 | m/s^2]
  float ACYRMS3;                          // RMS y acceleration at point 3 (reserved) [ft/s^2 | m/s^2]
  float ACZRMS3;                          // RMS z acceleration at point 3 (reserved) [ft/s^2 | m/s^2]
  float ACXDOT3;                          // RMS rate of the x acceleration at point 3 (reserved) [ft/s^3 | m/s^3]
  float ACYDOT3;                          // RMS rate of the y acceleration at point 3 (reserved) [ft/s^3 | m/s^3]
  float ACZDOT3;                          // RMS rate of the z acceleration at point 3 (reserved) [ft/s^3 | m/s^3]
  float ACX3BDW;                          // bandwidth of the x acceleration at point 3 (reserved) [Hz]
  float ACY3BDW;                          // bandwidth of the y acceleration at point 3 (reserved) [Hz]
  float ACZ3BDW;                          // bandwidth of the z acceleration at point 3 (reserved) [Hz]
  float ACX3TPK;                          // peak period of the x acceleration at point 3 (reserved) [s]
  float ACY3TPK;                          // peak period of the y acceleration at point 3 (reserved) [s]
  float ACZ3TPK;                          // peak period of the z acceleration at point 3 (reserved) [s]
  float ACXRMS4;                          // RMS x acceleration at point 4 (reserved) [ft/s^2 | m/s^2]
  float ACYRMS4;                          // RMS y acceleration at point 4 (reserved) [ft/s^2 | m/s^2]
  float ACZRMS4;                          // RMS z acceleration at point 4 (reserved) [ft/s^2 | m/s^2]
  float ACXDOT4;                          // RMS rate of the x acceleration at point 4 (reserved) [ft/s^3 | m/s^3]
  float ACYDOT4;                          // RMS rate of the y acceleration at point 4 (reserved) [ft/s^3 | m/s^3]
  float ACZDOT4;                          // RMS rate of the z acceleration at point 4 (reserved) [ft/s^3 | m/s^3]
  float ACX4BDW;                          // bandwidth of the x acceleration at point 4 (reserved) [Hz]
  float ACY4BDW;                          // bandwidth of the y acceleration at point 4 (reserved) [Hz]
  float ACZ4BDW;                          // bandwidth of the z acceleration at point 4 (reserved) [Hz]
  float ACX4TPK;                          // peak period of the x acceleration at point 4 (reserved) [s]
  float ACY4TPK;                          // peak period of the y acceleration at point 4 (reserved) [s]
  float ACZ4TPK;                          // peak period of the z acceleration at point 4 (reserved) [s]
  float VXBANDW;                          // bandwidth of the reference-point x motion [Hz]
  float VYBANDW;                          // bandwidth of the reference-point y motion [Hz]
  float VZBANDW;                          // bandwidth of the reference-point z motion [Hz]
  float GXBANDW;                          // bandwidth of the earth x motion [Hz]
  float GYBANDW;                          // bandwidth of the earth y motion [Hz]
  float ROLBANDW;                         // bandwidth of the roll motion [Hz]
  float PTCHBANDW;                        // bandwidth of the pitch motion [Hz]
  float YAWBANDW;                         // bandwidth of the yaw motion [Hz]
  float VXTPEAK;                          // peak period of the reference-point x motion [s]
  float VYTPEAK;                          // peak period of the reference-point y motion [s]
  float VZTPEAK;                          // peak period of the reference-point z motion [s]
  float GXTPEAK;                          // peak period of the earth x motion [s]
  float GYTPEAK;                          // peak period of the earth y motion [s]
  float ROLTPEAK;                         // peak period of the roll motion [s]
  float PTCHTPEAK;                        // peak period of the pitch motion [s]
  float YAWTPEAK;                         // peak period of the yaw motion [s]
  float WMOONRMS;                         // RMS heave of the mooring point relative to keel-depth water [ft | m]
  float WMOONRMSDOT;                      // its RMS rate [ft/s | m/s]
  float VMOONBANDW;                       // its bandwidth [Hz]
  float VMOONTPEAK;                       // its peak period [s]
  float FZMREQ0;                          // reserved
  float TEND_F_RZ;                        // reserved
  float NET_TNDN_FRC;                     // reserved
  float TLPVKG;                           // reserved
  float TLPWGHT;                          // weight of a tension-leg hull [kips | t]
  float DELTA_DRAFT;                      // change of draft relative to the data set [ft | m]
  float DSTRECH_DX;                       // x stretch distance of the point-motion report [ft | m]
  float DSTRECH_DY;                       // y stretch distance of the point-motion report [ft | m]
  std::int32_t QUASQUENCH;                // 1: the hull model's heave, roll and pitch operators are zeroed
  std::int32_t DOHINGEP;                  // reserved
  Arr<std::int32_t, 46> IPASDUM;          // reserved
  Arr<float, 43> PASDUM;                  // reserved
  float MOORCTR_Z_VAR;                    // variance of the mooring-point heave over all wave systems [ft^2 | m^2]
  float BOW_Z_VAR;                        // variance of the bow heave, summed over wave systems [ft^2 | m^2]
  float GWSIG1_X;                         // M0 of the heave-elevation cross-spectrum at the bow [ft^2 | m^2]
  float GWSIG2_X;                         // M0 of the heave-elevation cross-spectrum at the mooring point [ft^2 | m^2]
  float GWSIG3_X;                         // M0 of the heave-elevation cross-spectrum (reserved) [ft^2 | m^2]
  float GWSIG4_X;                         // M0 of the heave-elevation cross-spectrum (reserved) [ft^2 | m^2]
  float WMOON_X;                          // M0 of the mooring-point heave / keel-depth water cross-spectrum [ft^2 | m^2]
  Arr<float, kNarray, 3> RLRAO2;          // w^2 |horizontal rel. motion|^2 |vertical rel. motion|, x part
  Arr<float, kNarray, 3> RLRAOH2;         // squared horizontal relative motion at the waterline (0 for a ship)
  Arr<float, kNarray, 3> FDRGLAT;         // lateral counterpart of RLRAO2
  Arr<float, kNarray, 3> MDRGLAT;         // yaw-moment counterpart of RLRAO2 (ship only)
  Arr<float, kNarray, 3> HRAO;            // modulus of the horizontal motion at the waterline (not set for a ship) [-]
  Arr<Complex, kNarray, 3> HOR_WAV_RAO;   // horizontal motion in the wave direction: surge cos h + sway sin h [-]
  Arr<Complex, kNarray, 3> ANG_WAV_RAO;   // rotation across the wave direction: pitch cos h - roll sin h [rad/unit amplitude]
  Arr<float, 6> NETVESFRC_RMS;            // per degree of freedom: RMS of the net vessel force
  Arr<float, 6> NETVESFRC_RATE;           // per degree of freedom: RMS rate of the net vessel force
  Arr<float, 6> NETVESMOT_RMS;            // per degree of freedom: RMS of the net vessel motion
  Arr<float, 6> NETVESMOT_RATE;           // per degree of freedom: RMS rate of the net vessel motion
  Arr<float, 6> WAVVESFRC_RMS;            // per degree of freedom: RMS of the wind-sea (reserved) vessel force
  Arr<float, 6> WAVVESFRC_RATE;           // per degree of freedom: RMS rate of the wind-sea (reserved) vessel force
  Arr<float, 6> WAVVESMOT_RMS;            // per degree of freedom: RMS of the wind-sea (reserved) vessel motion
  Arr<float, 6> WAVVESMOT_RATE;           // per degree of freedom: RMS rate of the wind-sea (reserved) vessel motion
  Arr<float, 6> SWLVESFRC_RMS;            // per degree of freedom: RMS of the swell (reserved) vessel force
  Arr<float, 6> SWLVESFRC_RATE;           // per degree of freedom: RMS rate of the swell (reserved) vessel force
  Arr<float, 6> SWLVESMOT_RMS;            // per degree of freedom: RMS of the swell (reserved) vessel motion
  Arr<float, 6> SWLVESMOT_RATE;           // per degree of freedom: RMS rate of the swell (reserved) vessel motion
  Arr<float, 150> FLD_RMS;                // per mooring line: RMS of the fairlead motion [ft | m]
  Arr<float, 150> FLD_RAT;                // per mooring line: RMS rate of the fairlead motion [ft/s | m/s]
  Arr<float, 6> VES_MOT_RMS;              // per degree of freedom: RMS motion
  Arr<float, 6> VES_RAT_RMS;              // per degree of freedom: RMS rate
  Arr<float, 150> FLD_ANG_RMS;            // per mooring line: RMS of the fairlead line angle
  Arr<float, 150> FLD_ANG_RAT;            // per mooring line: RMS rate of the fairlead line angle
  float WVBANDW;                          // bandwidth of the wind-sea spectrum [Hz]
  float SWLBANDW;                         // bandwidth of the swell spectrum [Hz]
  float SWLBANDW2;                        // bandwidth of the second-swell spectrum [Hz]
};

inline constexpr int kPascomWords = 3624;
static_assert(sizeof(Pascom) == 4 * kPascomWords, "PASCOM must be 3,624 words");

extern Pascom PASCOM;

// Clears the whole block (tests).
void resetPascom();

}  // namespace qv
