; Greets and counts.
on *:JOIN:#:{
  if ($nick != $me) { msg $chan Hello $nick }
}

on *:TEXT:!count*:#:{
  var %%n = $calc($len($1-) + 1)
  msg $chan $left($1-,10) has %%n characters
}
alias greet {
  echo -a $upper($1)
}
