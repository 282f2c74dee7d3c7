"""The game driven from outside, as a player meets it: started on a private X server, under Wine,
from its Debian package or in a browser page; seen in pictures of its window or heard through
Orca; pressed, tapped and typed to; its table of best results read back from Varn.dat."""
