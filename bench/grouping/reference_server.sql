-- The grouping reference for a PostgreSQL server: reference.sql in the server's dialect,
-- run by psql beside the program's grouping run in the store benchmark. The server has no
-- rowid, so of the rows of one upload and sensor the one with the highest ctid wins: in the
-- benchmark 表1 is only ever appended to. A server rounds a double's halves to even, so the
-- rounding is done on numeric, halves away from zero as SQLite rounds them.
begin;

-- One value per upload and whole sensor number; the row stored last wins.
create temp table s as
  select distinct on (dt, n) dt, n, v from (
    select "日期时间" as dt, round(val("编号")::numeric)::integer as n, val("温度值") as v,
           ctid as c
    from "表1"
    where "日期时间" <> '') r
  where n between 0 and 1999
  order by dt, n, c desc;
create index s_dt_n on s (dt, n);

delete from "测量数据";

insert into "测量数据" ("myid", "接收日期", "接收时间", "站点编号",
                        "t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8")
select replace(replace(replace(d.dt, '-', ''), ':', ''), ' ', ''),
       substr(d.dt, 1, 10), substr(d.dt, 12), g."组名",
       coalesce(s1.v, 255), coalesce(s2.v, 255), coalesce(s3.v, 255), coalesce(s4.v, 255),
       coalesce(s5.v, 255), coalesce(s6.v, 255), coalesce(s7.v, 255), coalesce(s8.v, 255)
from (select distinct "日期时间" as dt from "表1" where "日期时间" <> '') d
cross join "分组定义" g
left join s s1 on s1.dt = d.dt and s1.n = case when trim(coalesce(g."传感器1", '')) = ''
  then null else round(val(g."传感器1")::numeric)::integer end
left join s s2 on s2.dt = d.dt and s2.n = case when trim(coalesce(g."传感器2", '')) = ''
  then null else round(val(g."传感器2")::numeric)::integer end
left join s s3 on s3.dt = d.dt and s3.n = case when trim(coalesce(g."传感器3", '')) = ''
  then null else round(val(g."传感器3")::numeric)::integer end
left join s s4 on s4.dt = d.dt and s4.n = case when trim(coalesce(g."传感器4", '')) = ''
  then null else round(val(g."传感器4")::numeric)::integer end
left join s s5 on s5.dt = d.dt and s5.n = case when trim(coalesce(g."传感器5", '')) = ''
  then null else round(val(g."传感器5")::numeric)::integer end
left join s s6 on s6.dt = d.dt and s6.n = case when trim(coalesce(g."传感器6", '')) = ''
  then null else round(val(g."传感器6")::numeric)::integer end
left join s s7 on s7.dt = d.dt and s7.n = case when trim(coalesce(g."传感器7", '')) = ''
  then null else round(val(g."传感器7")::numeric)::integer end
left join s s8 on s8.dt = d.dt and s8.n = case when trim(coalesce(g."传感器8", '')) = ''
  then null else round(val(g."传感器8")::numeric)::integer end
order by d.dt desc, g."组名", g.ctid;

commit;
