    1
   10
    1
PERIOD (SECONDS)
ANGLE IN DEG.
ANGLE RAOS (S.A./S.A.)
    6
    1
      5.00
      7.00
      9.00
     11.00
     13.00
     15.00
      1.11
      2.74
      4.92
      5.17
      4.20
      3.22
MEMBER #  1
    1
PERIOD (SECONDS)
ANGLE IN DEG.
ANGLE RAOS (S.A./S.A.)
    6
    0
      0.57
      2.76
      4.92
      4.97
      3.89
      2.91
MEMBER #  2
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT SHEAR LOAD RAOS (S.A./S.A.)
    6
    0
      0.01
      0.25
      0.36
      0.30
      0.22
      0.19
MEMBER # 1, BOTTOM
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT SHEAR LOAD RAOS (S.A./S.A.)
    6
    0
      0.24
      0.15
      0.31
      0.39
      0.35
      0.29
MEMBER # 1, TOP
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT SHEAR LOAD RAOS (S.A./S.A.)
    6
    0
      0.14
      0.16
      0.32
      0.27
      0.16
      0.09
MEMBER # 2, BOTTOM
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT SHEAR LOAD RAOS (S.A./S.A.)
    6
    0
      0.00
      0.00
      0.00
      0.00
      0.00
      0.00
MEMBER # 2, TOP
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT AXIAL LOAD RAOS (S.A./S.A.)
    6
    0
      1.15
      0.92
      0.63
      0.45
      0.33
      0.25
MEMBER # 1, BOTTOM
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT AXIAL LOAD RAOS (S.A./S.A.)
    6
    0
      0.97
      0.74
      0.51
      0.35
      0.26
      0.20
MEMBER # 1, TOP
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT AXIAL LOAD RAOS (S.A./S.A.)
    6
    0
      0.97
      0.74
      0.51
      0.35
      0.26
      0.20
MEMBER # 2, BOTTOM
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT AXIAL LOAD RAOS (S.A./S.A.)
    6
    0
      0.00
      0.00
      0.00
      0.00
      0.00
      0.00
MEMBER # 2, TOP
