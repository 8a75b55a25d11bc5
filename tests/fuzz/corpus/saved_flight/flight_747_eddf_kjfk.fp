[ROUTE]
EDDF ABC UL610 DEF KJFK 
[/ROUTE]

[FLUSI_WP]
[flightplan]
title=EDDF to KJFK
waypoint.0=EDDF, A, N50* 2.0', E8* 34.14', 364,
waypoint.1=ABC, V, N50* 7.24', E8* 7.24', 0, UL610
[/FLUSI_WP]

[AC_WP]
2
EDDF
ABC,1
1 N 50.120667 E 8.120667
[/AC_WP]

[WP]
ABC	50,120667	8,120667
DEF	50,033	8,570
[/WP]

[AC]
0
1
0
0
[/AC]

[FL]
33000
[/FL]

[PLAN]
EDDF - KJFK
----------
 ABC UL610 DEF
Fuel ok
[/PLAN]

[DISTANCE]
3349
[/DISTANCE]

[RUNWAYS]
[/RUNWAYS]

