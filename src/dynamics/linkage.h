// Kinematics of a three-member chain hinged end to end whose two ends stay fixed: one in-plane
// degree of freedom, the angle phi1 of member 1, which forces the angles of members 2 and 3. The
// linkage ratios BETA2 = d phi2 / d phi1 and BETA3 = d phi3 / d phi1 solve the two linearised closure
// conditions of the chain,
//
//   L1 c1 + L2 c2 BETA2 + L3 c3 ct BETA3 = 0    (horizontal, in the plane)
//   L1 s1 + L2 s2 BETA2 + L3 s3 BETA3 = 0       (vertical)
//
// with members 1 and 2 in the SALM plane and member 3 along (sin phi3 cos theta, sin phi3 sin theta,
// cos phi3): s_i, c_i the sine and cosine of phi_i (from the vertical), ct = cos theta. With
// DENOM = s3 c2 - s2 c3 ct, R12 = L1 / L2 and R13 = L1 / L3:
//
//   BETA2 = -R12 (s3 c1 - s1 c3 ct) / DENOM,   BETA3 = R13 (s2 c1 - s1 c2) / DENOM.
//
// CNLEN(1..3) are the lengths and PHICON(1..3) the angles [rad], each passed as a pointer to its
// first entry; THETA3 is the out-of-plane angle of member 3 [rad]. All arithmetic is single
// precision, each formula evaluated left to right; BTACLC, BETCLC, BETA2C and BETA3C give
// bit-identical ratios for the same inputs. Nothing is tested: DENOM, L2 or L3 of zero divides by
// zero, and the caller guards it.
#pragma once

namespace qv {

// X X + Y Y.
float SQSUM(float X, float Y);
// Both linkage ratios.
void BTACLC(float& BETA2, float& BETA3, const float* CNLEN, const float* PHICON, float THETA3);
// Both ratios and their partial derivatives with respect to phi1, phi2, phi3 and theta (DB2... of
// BETA2, DB3... of BETA3; ...DP1, ...DP2, ...DP3, ...DTH).
void BETCLC(float& BETA2, float& BETA3, float& DB2DP1, float& DB3DP1, float& DB2DP2, float& DB3DP2, float& DB2DP3,
            float& DB3DP3, float& DB2DTH, float& DB3DTH, const float* CNLEN, const float* PHICON, float THETA3);
float BETA2C(const float* CNLEN, const float* PHICON, float THETA3);
float BETA3C(const float* CNLEN, const float* PHICON, float THETA3);

}  // namespace qv
