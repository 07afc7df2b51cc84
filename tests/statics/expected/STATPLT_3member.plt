    1
   14
    1
OFFSET (FT)
FORCE IN KIPS
INTERPOLATION TABLE FOR HORIZONTAL FORCE
    8
    1
      0.00
      8.71
     15.11
     24.05
     35.24
     51.39
     63.14
     68.01
      0.00
      4.37
      8.26
     15.63
     29.56
     55.90
    105.74
    200.00
NET HORIZONTAL FORCE
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
      0.00
      2.48
      4.46
      7.59
     12.09
     19.51
     27.27
     32.60
MEMBER #  1
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
      0.00
      5.70
      9.70
     14.83
     20.63
     29.76
     36.08
     38.36
MEMBER #  2
    1
OFFSET (FT)
ANGLE IN DEG.
INTERPOLATION TABLE FOR MEMBER ANGLES
    8
    0
     75.52
     75.21
     74.59
     73.17
     70.42
     63.60
     54.61
     47.59
MEMBER #  3
