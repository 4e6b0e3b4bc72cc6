; a script that touches most root constructs
rem old comment
/* block
   comment */
*/ x
#tools on
alias -l greet {
  echo -a hello $1 ; TODO reply
  if (%x == 1) { halt }
}
#tools end
dialog test {
  title "Test"
}
menu nicklist {
  Greet:greet $1
}
on *:TEXT:hi*:#:{ msg $chan hi $nick }
ctcp xyz
raw 001:*:echo -s connected
  stray text at the root
