    1
   26
    1
OFFSET (FT)
FORCE IN KIPS
INTERPOLATION TABLE FOR HORIZONTAL FORCE
    8
    1
      0.00
     10.72
     16.36
     23.81
     32.43
     41.51
     48.79
     52.11
      0.00
      8.09
     13.16
     21.41
     34.84
     56.68
     92.20
    150.00
NET HORIZONTAL FORCE
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
      0.00
      2.71
      4.24
      6.43
      9.28
     12.73
     16.22
     18.51
MEMBER #  1
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
      0.00
      2.61
      4.10
      6.23
      9.02
     12.43
     15.93
     18.28
MEMBER #  2
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
      0.00
      2.55
      4.01
      6.10
      8.86
     12.24
     15.73
     18.12
MEMBER #  3
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
      0.00
      2.58
      4.05
      6.16
      8.93
     12.33
     15.82
     18.20
MEMBER #  4
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
      0.00
      5.88
      8.85
     12.52
     16.31
     20.04
     22.63
     23.07
MEMBER #  5
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
     60.00
     59.19
     58.08
     55.86
     52.00
     45.72
     37.37
     30.79
MEMBER #  6
