; The data in the WHOIS database of KSregistry GmbH is provided by
; KSregistry GmbH for information purposes, and to assist persons in
; obtaining information about or related to domain name registration
; records. KSregistry GmbH does not guarantee its accuracy.
; By submitting a WHOIS query, you agree that you will use this data
; only for lawful purposes and that, under no circumstances, you will
; use this data to
; 1) allow, enable, or otherwise support the transmission of mass
;    unsolicited, commercial advertising or solicitations via E-mail
;    (spam); or
; 2) enable high volume, automated, electronic processes that apply
;    to KSregistry GmbH or its systems.
; KSregistry GmbH reserves the right to modify these terms.
; By submitting this query, you agree to abide by this policy.

domain name: GOOGLE.GD
registrar: MarkMonitor Inc.
url: www.markmonitor.com
status: clientupdateprohibited
status: clienttransferprohibited
created date: 2006-12-11 00:00:00
updated date: 2017-11-09 19:59:10
expiration date: 2018-12-11 00:00:00

owner-contact: P-GXI35
owner-organization: Google, Inc.
owner-name: Google, Inc.
owner-street: 1600 Amphitheatre Parkway
owner-city: Mountain View
owner-zip: 94043
owner-country: US
owner-phone: +1.6503300100
owner-fax: +1.6506181499
owner-email: dns-admin@google.com

admin-contact: P-GXI35
admin-organization: Google, Inc.
admin-name: Google, Inc.
admin-street: 1600 Amphitheatre Parkway
admin-city: Mountain View
admin-zip: 94043
admin-country: US
admin-phone: +1.6503300100
admin-fax: +1.6506181499
admin-email: dns-admin@google.com

tech-contact: P-GXI35
tech-organization: Google, Inc.
tech-name: Google, Inc.
tech-street: 1600 Amphitheatre Parkway
tech-city: Mountain View
tech-zip: 94043
tech-country: US
tech-phone: +1.6503300100
tech-fax: +1.6506181499
tech-email: dns-admin@google.com

billing-contact: P-UMM26
billing-organization: MarkMonitor
billing-name: UNKNOWN MarkMonitor
billing-street: 10400 Overland Road
billing-city: Idaho
billing-zip: 83709
billing-country: US
billing-phone: +1.2083895740
billing-fax: +1.2083895771
billing-email: ccops@markmonitor.com

nameserver: ns1.google.com
nameserver: ns2.google.com

; Please register your domains at; www.markmonitor.com

