// Whole images of data blocks on disk: a file is nothing but a run of 4-byte words copied from
// memory. DISKIO is the only routine that reads or writes the data files and the coefficient files.
#pragma once

#include <cstdint>
#include <string_view>

namespace qv {

inline constexpr int kDiskWrite = 0;
inline constexpr int kDiskRead = 1;
inline constexpr int kDiskioBufferWords = 126831;  // no larger image can be read

// Status codes, which add up.
inline constexpr int kDiskMissing = 1;
inline constexpr int kDiskWriteFailed = 2;
inline constexpr int kDiskReadFailed = 4;

// IRW 0 writes NWORDS words of ARRAY as a plain word stream, replacing the file whole or not at all
// (a failed write leaves the old file as it was); 1 reads a plain or framed image into
// ARRAY and leaves in NWORDS the number of words the file held. ARRAY holds at least NWORDS words.
// IUNIT is accepted for the caller's bookkeeping; the file is opened and closed inside the call.
void DISKIO(std::int32_t IRW, std::int32_t& NWORDS, std::string_view FNAME, std::int32_t IUNIT, std::int32_t& IERR,
            std::int32_t* ARRAY, std::int32_t ICOMP);

void MOVCOM(std::int32_t N, const std::int32_t* SRC, std::int32_t* DST);
void MOVREL(std::int32_t N, const float* SRC, float* DST);
void MOVDP(std::int32_t N, const double* SRC, double* DST);
// ISAME = 1 when words 1..N of A and B are all equal (floats compare bit for bit).
void NOCHNG(std::int32_t& ISAME, const std::int32_t* A, const std::int32_t* B, std::int32_t N);
// The memory position of a member; the difference of two, divided by 4, is their word distance.
std::intptr_t LRHLOC(const void* V);
void VRCVRT(const std::int32_t& X, std::int32_t& Y);

}  // namespace qv
