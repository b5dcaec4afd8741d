# The installer's file work, a whole list of files in one process:
#   differ SOURCE TARGET ...           prints the index of each pair whose target is missing,
#                                      not a file, or holds other bytes
#   copy SOURCE TEMPORARY MODE TARGET ...   writes each source to its new temporary, checked
#   rename TEMPORARY TARGET ...        gives each temporary its target's name, in order
use strict;
use warnings;
use Fcntl qw(O_WRONLY O_CREAT O_EXCL O_NOFOLLOW);

my $what = shift @ARGV;
my $width = { differ => 2, copy => 4, rename => 2 }->{$what} or die "shipfiles: unknown $what\n";
my @rows;
push @rows, [ splice(@ARGV, 0, $width) ] while @ARGV;

sub same {
    my ($source, $target) = @_;
    open(my $a, '<:raw', $source) or die "kestrova install: cannot read $source: $!\n";
    return 0 unless -f $target && open(my $b, '<:raw', $target);
    return 0 unless -s $a == -s $b;
    while (1) {
        my $got = sysread($a, my $x, 1 << 16);
        defined $got or die "kestrova install: cannot read $source: $!\n";
        defined sysread($b, my $y, 1 << 16) or return 0;
        return 0 unless $x eq $y;
        return 1 if $got == 0;
    }
}

sub copy {
    my ($source, $temporary, $mode, $target) = @_;
    my $failed = "kestrova install: could not write $target";
    open(my $in, '<:raw', $source) or die "kestrova install: cannot read $source: $!\n";
    unlink $temporary;
    sysopen(my $out, $temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600) or die "$failed: $!\n";
    while (1) {
        my $got = sysread($in, my $chunk, 1 << 16);
        defined $got or die "kestrova install: cannot read $source: $!\n";
        last if $got == 0;
        for (my $done = 0; $done < $got;) {
            my $put = syswrite($out, $chunk, $got - $done, $done);
            defined $put or die "$failed: $!\n";
            $done += $put;
        }
    }
    close($out) or die "$failed: $!\n";
    chmod(oct($mode), $temporary) or die "$failed: $!\n";
}

for my $i (0 .. $#rows) {
    my @row = @{ $rows[$i] };
    if ($what eq 'differ') {
        print "$i\n" unless same(@row);
    } elsif ($what eq 'copy') {
        copy(@row);
    } else {
        rename($row[0], $row[1]) or die "kestrova install: could not replace $row[1]: $!\n";
        print "-- Installing: $row[1]\n";
    }
}
