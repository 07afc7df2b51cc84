// The geometry and buoyancy routines of the articulated column, working on SOLVE (statics/solve.h) and
// the load table HLOAD of EQUILB.
//
// Statics of one member k, used throughout: with the horizontal load H (the same at every joint) and
// T_k the upward vertical pull that the structure above exerts at the top of member k, moment balance
// about the member's lower joint gives H c_k = T_k - M_k, where c_k is the member's cotangent and
// M_k = (W_k g_k - B_k b_k) / L_k its moment term; going up the column T_k = T_1 + sum over
// j = 2..k of (W_j - B_j).
//
// TOPHT and COTANB are objective functions of the root finders: the statics solves TOPHT with RTMI1
// into COTANP(ITABLE, 1), and TOPHT solves COTANB with RTMI2 into COTANP(ITABLE, IPERCN). The root
// finder holds each trial value in that cell while the objective runs, and COTANB reads member 1's
// trial cotangent from there; the finders leave their latest objective call at the returned root, so
// the state an objective leaves in SOLVE belongs to the root.
#pragma once

#include <cstdint>

#include "dataset/tpcm_codes.h"

namespace qv {

// Horizontal extent CNLEN(I) sin(phi) of member I at table point J.
float DELX_SLM(std::int32_t I, std::int32_t J);
// Horizontal position of the top of member N at table point J: sum of DELX_SLM(I, J), I = 1..N
// (0 for N <= 0).
float XCOORD(std::int32_t N, std::int32_t J);
// Z = sum CNLEN(I) cos PHI(I), X = sum CNLEN(I) sin PHI(I), I = 1..N; PHI(1..N) [rad from the
// vertical] at PHI[0..N-1].
void XZJOIN(std::int32_t N, const float* PHI, float& Z, float& X);

// Buoyancy of the surface-piercing member at cotangent C, its lower joint at HIGHPT: sets HWET,
// HDRY, DRYVOL, WETVOL, BOYMOM and CUMWT1, and returns the cotangent that the member statics demand
// for the piercing member, minus C.
float COTANB(float C);
// The column's top is held at the height YOKBOT of its attachment, which takes whatever vertical
// load the members' balance asks of it (H c + M of the top member), with one exception: a buoyant
// riser (attachment IARCO 2) whose member pierces the surface floats upright, its top free in
// height and without vertical load, and its draft balances it (TOPLD). A submerged riser, held at
// the vessel's keel, is held like any other top.
bool riserFloats(std::int32_t attachment);

// The height of the water's surface above the column's lowest free joint in water `depth` deep: the
// depth less the frozen base's height ANCHT when the column stands on a base (DEFF of SOLVE for the
// data set's depth; the stance check asks it of a depth a user might type).
float surfaceAboveLowestJoint(float depth);

// Column shape at table point ITABLE for cotangent X of member 1: sets COTANP(ITABLE, 2..NCON) and
// returns the height of the column top above YOKBOT (for a floating riser, the riser's vertical
// balance TOPLD). The piercing member's inner search failing ends the run (" ++> ITERATION OVERFLOW
// IN TOPHT...").
float TOPHT(float X);
// Vertical balance of an upright floating riser (member IPERCN, lower joint at HIGHPT) under the top
// load F: sets HWET and WETVOL.
float TOPLD(float F);
// How far the shape COTANP(J, 1..NCON) of table point J is from an equilibrium under HLOAD(J), found
// by placing the members again without any search: the top's height above YOKBOT, and the largest
// misfit of a member's moment balance about its lower joint as a fraction of H L (member 1's
// balance sets the pull that the column passes up, so the misfits are those of the members above
// it). Sets ITABLE = J and leaves the chamber outputs of the piercing member at its attitude there.
// Not for a floating riser, whose top has no height to reach: its misfits are not numbers.
struct ColumnMisfit {
  float height = 0.0f;
  float moment = 0.0f;
  std::int32_t member = 0;  // the member of the largest moment misfit (0: none)
};
ColumnMisfit columnMisfit(std::int32_t J);

// Vertical loads at the joints, ZLDTMP(1..NCON+1), for the horizontal load H and the member angles
// PHI(1..NCON) [rad from the vertical] at PHI[0..NCON-1]: the top's load as the top member's moment
// balance asks (0 for a floating riser), then down the column less each member's net weight. Leaves
// the piercing member's draft outputs for the given attitude.
void ZFILL(float H, const float* PHI);

}  // namespace qv
