% request from 178.141.108.218
% This is the Ukrainian Whois query server #F.
% The Whois is subject to Terms of use
% See https://hostmaster.ua/services/
%

% No entries found for free.ua

