-- The delivered database: working tables (current batches), reference tables kept by the
-- clerk, the login table and the read-only code tables. Amounts are numeric with two decimals;
-- every other column is text.

create table payment (
    serial_no text primary key,
    pay_acc_no text,
    pay_acc_name text,
    rec_acc_type text,
    rec_acc_no text,
    rec_acc_name text,
    rec_bank_id text,
    rec_area_no text,
    rec_net_no text,
    rec_bank_name text,
    same_city_liquidate_no text,
    province text,
    city text,
    presentBankNo text,
    pay_amt numeric,
    remark text,
    user_remark text,
    remit_type text
);

create table laborage (
    serial_no text primary key,
    acc_no text,
    acc_name text,
    pay_amount numeric,
    remark text
);

create table pay_acc (
    acc_no text,
    acc_name text,
    currency text default '01'
);

create table payee_acc (
    acc_no text,
    acc_name text,
    acc_type text,
    branch_id text,
    area_no text,
    net_no text,
    rec_bank_name text,
    same_city_liquidate_no text,
    province text,
    city text,
    presentBankNo text
);

create table person_payee_acc (
    acc_no text,
    acc_name text,
    cert_type text,
    cert_code text
);
-- The payroll file loader looks every record's person up by account number.
create index person_payee_acc_acc_no on person_payee_acc (acc_no);

create table user_remark (
    remark text
);

create table logon_info (
    passwd text
);

create table province (
    provinceId text primary key,
    provinceName text
);

create table city (
    cityName text,
    provinceId text references province (provinceId)
);

create table acc_currency (
    currency_id text primary key,
    currency_name text
);

create table cert_type (
    cert_type integer primary key,
    cert_desc text
);

create table tran_acc_type (
    tran_type text primary key,
    tran_desc text
);

create table remit_type (
    remit_type_no text primary key,
    remit_type text
);
