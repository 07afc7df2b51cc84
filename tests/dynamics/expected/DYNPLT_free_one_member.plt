    1
    5
    1
PERIOD (SECONDS)
ANGLE IN DEG.
ANGLE RAOS (S.A./S.A.) FOR WAVE HEADING    0.00 DEGREES
    6
    1
      5.00
      7.00
      9.00
     11.00
     13.00
     15.00
      0.61
      1.95
      3.59
      5.31
      6.29
      6.07
MEMBER #  1
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT SHEAR LOAD RAOS (S.A./S.A.) FOR WAVE HEADING    0.00 DEGREES
    6
    0
      0.11
      0.27
      0.35
      0.37
      0.34
      0.26
MEMBER # 1, BOTTOM
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT SHEAR LOAD RAOS (S.A./S.A.) FOR WAVE HEADING    0.00 DEGREES
    6
    0
      0.00
      0.00
      0.00
      0.00
      0.00
      0.00
MEMBER # 1, TOP
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT AXIAL LOAD RAOS (S.A./S.A.) FOR WAVE HEADING    0.00 DEGREES
    6
    0
      0.18
      0.18
      0.13
      0.09
      0.07
      0.05
MEMBER # 1, BOTTOM
    1
PERIOD (SECONDS)
KIPS/FT
ENDPOINT AXIAL LOAD RAOS (S.A./S.A.) FOR WAVE HEADING    0.00 DEGREES
    6
    0
      0.00
      0.00
      0.00
      0.00
      0.00
      0.00
MEMBER # 1, TOP
